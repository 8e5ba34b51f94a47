#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

/** Starts the framework for a plug-in instance and creates its processor.

    The adapter derives from this before its effect base, so the processor
    exists (and its program and parameter counts are known) when the effect
    record is built. The processor is destroyed before the framework stops.
*/
class VstProcessorOwner
{
protected:
    VstProcessorOwner();
    ~VstProcessorOwner();

    /** The processor's program count, at least 1 as hosts expect. */
    int getProcessorProgramCount() const;
    int getProcessorParameterCount() const;

    class FrameworkSession;
    std::unique_ptr<FrameworkSession> session;
    std::unique_ptr<juce::AudioProcessor> processor;

private:
    VstProcessorOwner (const VstProcessorOwner&) = delete;
    VstProcessorOwner& operator= (const VstProcessorOwner&) = delete;
};
