#pragma once

#include <juce_core/juce_core.h>

namespace juce { class HostDrivenEventLoop; }

/** While one exists, the calling host thread is the framework's message thread.

    On Linux a plug-in instance's framework runs a message thread of its own
    while the host drives no message loop. The host's thread stands in for it
    while the processor or its editor is built or deleted, and for as long as
    an editor is open, so that nothing of theirs runs on two threads at once.
    The framework's thread starts again when the last of these goes.
    Elsewhere this does nothing.
*/
class HostDrivenMessageLoop
{
public:
    HostDrivenMessageLoop();
    ~HostDrivenMessageLoop();

    /** Runs the framework's pending messages on the calling (the host's) thread. */
    void processPendingMessages();

private:
   #if JUCE_LINUX || JUCE_BSD
    juce::SharedResourcePointer<juce::HostDrivenEventLoop> eventLoop;
   #endif

    JUCE_DECLARE_NON_COPYABLE (HostDrivenMessageLoop)
};
