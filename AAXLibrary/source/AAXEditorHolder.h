#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>

namespace juce { class HostDrivenEventLoop; }

/** Holds the processor's editor and embeds it in the host's native view.

    On Linux the host hands over an X11 window; the holder becomes a native child of it.
    While a holder exists the host's GUI thread drives the framework's message loop (the
    GUI's timer wakes it), as the host expects of an open editor.
*/
class AAXEditorHolder : public juce::Component
{
public:
    /** Takes the editor created by the processor; resizeHost is called with the new size
        when the editor changes its size.
    */
    AAXEditorHolder (juce::AudioProcessor& processor, juce::AudioProcessorEditor& editor,
                     std::function<void (int, int)> resizeHost);
    ~AAXEditorHolder() override;

    /** Puts the holder inside the host's native window and shows it. */
    void attachToHost (void* nativeWindow);

    /** Runs the framework's pending messages on the calling (the host's GUI) thread. */
    static void processPendingMessages();

    void paint (juce::Graphics& g) override;
    void childBoundsChanged (juce::Component* child) override;

private:
    juce::AudioProcessor& processor;
    std::unique_ptr<juce::SharedResourcePointer<juce::HostDrivenEventLoop>> hostEventLoop;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::function<void (int, int)> resizeHost;

    JUCE_DECLARE_NON_COPYABLE (AAXEditorHolder)
};
