#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

/** Starts the framework for one plug-in instance and creates its processor
    through createPluginFilter(), as the given format's processor.

    On Linux the framework's own message thread runs the processor's timers and
    asynchronous updates while the host drives no message loop; the host's
    thread stands in for it while the processor is built. The processor is
    destroyed before the framework stops.
*/
class PluginInstanceOwner
{
public:
    /** Throws std::runtime_error when no processor could be created. */
    explicit PluginInstanceOwner (juce::AudioProcessor::WrapperType wrapperType);
    ~PluginInstanceOwner();

    juce::AudioProcessor& getProcessor() const noexcept     { return *processor; }

private:
    class FrameworkSession;
    std::unique_ptr<FrameworkSession> session;
    std::unique_ptr<juce::AudioProcessor> processor;

    JUCE_DECLARE_NON_COPYABLE (PluginInstanceOwner)
};
