#pragma once

#include "HostDrivenMessageLoop.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>

/** Holds the processor's editor and embeds it in the host's native window.

    On Linux the host hands over an X11 window; the holder becomes a native
    child of it. While a holder exists, to the end of its deletion, the host's
    GUI thread drives the framework's message loop (the loop is a base, so it
    outlives the component).
*/
class HostWindowEditorHolder : private HostDrivenMessageLoop,
                               public juce::Component
{
public:
    /** Creates the processor's editor, on the host's thread, and a holder for it;
        nothing when the processor makes no editor or already has one. resizeHost
        is called with the new size when the editor changes its size.
    */
    static std::unique_ptr<HostWindowEditorHolder> create (juce::AudioProcessor& processor,
                                                           std::function<void (int, int)> resizeHost);

    /** Takes the editor created by the processor. */
    HostWindowEditorHolder (juce::AudioProcessor& processor, juce::AudioProcessorEditor& editor,
                            std::function<void (int, int)> resizeHost);
    ~HostWindowEditorHolder() override;

    /** Puts the holder inside the host's native window and shows it. */
    void attachToHost (void* nativeWindow);

    /** Runs the framework's pending messages on the calling (the host's GUI) thread. */
    using HostDrivenMessageLoop::processPendingMessages;

    void paint (juce::Graphics& g) override;
    void childBoundsChanged (juce::Component* child) override;

private:
    juce::AudioProcessor& processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::function<void (int, int)> resizeHost;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HostWindowEditorHolder)
};
