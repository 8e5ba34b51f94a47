#pragma once

#include "LumiverPX2741AudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

namespace ProcessorTest
{
    /** Lets the message thread run, so that the processor's timer fires. */
    void runMessageLoop (int milliseconds);

    /** Runs the message loop until the timer has asked the audio thread for a new type, for
        up to a bound that a busy machine stays well within. */
    bool waitForTypeRequest (LumiverPX2741AudioProcessor& processor, int timeoutMs = 10000);

    /** Sets the processor's bus layout: 1 or 2 inputs, 1 or 2 outputs. */
    bool setLayout (juce::AudioProcessor& processor, int numInputs, int numOutputs);

    /** A tone of 220 Hz on the left and 330 Hz on the right, at half scale. */
    juce::AudioBuffer<float> makeTone (int numChannels, int numSamples, double sampleRate, int startSample = 0);

    /** Processes the buffer in blocks of blockSize samples. */
    void processInBlocks (juce::AudioProcessor& processor, juce::AudioBuffer<float>& buffer, int blockSize);

    /** The host state of a processor. */
    juce::MemoryBlock stateOf (juce::AudioProcessor& processor);

    /** A copy of a buffer. */
    juce::AudioBuffer<float> copyOf (const juce::AudioBuffer<float>& buffer);

    /** Fails the test at the first sample that differs. */
    void expectBuffersEqual (const juce::AudioBuffer<float>& actual, const juce::AudioBuffer<float>& expected);

    /** True when no sample is NaN, infinite or denormal. */
    bool isFiniteAndNormal (const juce::AudioBuffer<float>& buffer);

    /** A tremolo module set up as the processor sets up its modules in prepareToPlay. */
    void prepareLikeProcessor (ModuleModel& module, double sampleRate, const LumiverPX2741AudioProcessor& processor);

    /** A host's play head that reports a fixed tempo. */
    class FixedTempoPlayHead : public juce::AudioPlayHead
    {
    public:
        explicit FixedTempoPlayHead (double bpmToUse) : bpm (bpmToUse) {}
        juce::Optional<PositionInfo> getPosition() const override;
        double bpm;
    };

    /** Counts the parameter notifications a processor sends its listeners: the values, and
        in events each change and gesture as the host hears them ("begin 5", "change 5", "end 5"). */
    class ParameterRecorder : public juce::AudioProcessorListener
    {
    public:
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override;
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

        std::vector<std::pair<int, float>> changes;
        juce::StringArray events;
    };
}
