#pragma once

#include "VstRecords.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>

namespace juce { class HostDrivenEventLoop; }

/** Holds the processor's editor and embeds it in the host's parent window.

    On Linux the host hands over an X11 window; the holder becomes a native
    child of it. While a holder exists the host's GUI thread drives the
    framework's message loop (through the editor idle opcode), as hosts
    expect of an open VST 2.4 editor.
*/
class VstEditorHolder : public juce::Component
{
public:
    /** Takes the editor created by the processor; resizeHost is called with
        the new size when the editor changes its size.
    */
    VstEditorHolder (juce::AudioProcessor& processor,
                     juce::AudioProcessorEditor& editor,
                     std::function<void (int, int)> resizeHost);
    ~VstEditorHolder() override;

    /** The editor's bounds in the host's rectangle record. */
    ERect getHostBounds() const;

    /** Puts the holder inside the host's native parent window and shows it. */
    void attachToHost (void* parentWindow);

    void paint (juce::Graphics& g) override;
    void childBoundsChanged (juce::Component* child) override;

private:
    juce::AudioProcessor& processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::function<void (int, int)> resizeHost;
    std::unique_ptr<juce::SharedResourcePointer<juce::HostDrivenEventLoop>> hostEventLoop;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VstEditorHolder)
};
