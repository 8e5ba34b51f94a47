#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace juce
{
    // The framework's own dispatch step (modal loops are off in this build).
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace ProcessorTest
{
    void runMessageLoop (int milliseconds)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) milliseconds;

        while (juce::Time::getMillisecondCounter() < end)
            if (! juce::dispatchNextMessageOnSystemQueue (true))
                juce::Thread::sleep (1);
    }

    bool waitForTypeRequest (LumiverPX2741AudioProcessor& processor, int timeoutMs)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

        while (! processor.typeChangePending.load() && juce::Time::getMillisecondCounter() < end)
            runMessageLoop (5);

        return processor.typeChangePending.load();
    }

    bool setLayout (juce::AudioProcessor& processor, int numInputs, int numOutputs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numInputs));
        layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numOutputs));
        return processor.setBusesLayout (layout);
    }

    juce::AudioBuffer<float> makeTone (int numChannels, int numSamples, double sampleRate, int startSample)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);

        for (int channel = 0; channel < numChannels; ++channel)
        {
            const double frequency = channel == 0 ? 220.0 : 330.0;

            for (int i = 0; i < numSamples; ++i)
                buffer.setSample (channel, i, (float) (0.5 * std::sin (juce::MathConstants<double>::twoPi * frequency
                                                                       * (startSample + i) / sampleRate)));
        }

        return buffer;
    }

    void processInBlocks (juce::AudioProcessor& processor, juce::AudioBuffer<float>& buffer, int blockSize)
    {
        juce::MidiBuffer midi;

        for (int start = 0; start < buffer.getNumSamples(); start += blockSize)
        {
            const int length = std::min (blockSize, buffer.getNumSamples() - start);
            juce::AudioBuffer<float> block (buffer.getArrayOfWritePointers(), buffer.getNumChannels(), start, length);
            processor.processBlock (block, midi);
        }
    }

    juce::MemoryBlock stateOf (juce::AudioProcessor& processor)
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block;
    }

    juce::AudioBuffer<float> copyOf (const juce::AudioBuffer<float>& buffer)
    {
        juce::AudioBuffer<float> copy;
        copy.makeCopyOf (buffer);
        return copy;
    }

    void expectBuffersEqual (const juce::AudioBuffer<float>& actual, const juce::AudioBuffer<float>& expected)
    {
        ASSERT_EQ (actual.getNumSamples(), expected.getNumSamples());
        ASSERT_GE (actual.getNumChannels(), expected.getNumChannels());

        for (int channel = 0; channel < expected.getNumChannels(); ++channel)
            for (int i = 0; i < expected.getNumSamples(); ++i)
                ASSERT_EQ (actual.getSample (channel, i), expected.getSample (channel, i))
                    << "channel " << channel << ", sample " << i;
    }

    bool isFiniteAndNormal (const juce::AudioBuffer<float>& buffer)
    {
        for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const float sample = buffer.getSample (channel, i);

                if (! std::isfinite (sample) || std::fpclassify (sample) == FP_SUBNORMAL)
                    return false;
            }

        return true;
    }

    void prepareLikeProcessor (ModuleModel& module, double sampleRate, const LumiverPX2741AudioProcessor& processor)
    {
        module.setSampleRate ((float) sampleRate);
        module.setExpectedSampleFrame (processor.bufferLength);
        module.reset();
        module.setParameter (0, 1.0f);

        for (int k = rateIndex; k <= levelIndex; ++k)
            module.setParameter (k, processor.currentParams[k].load());

        module.setParameter (1, processor.currentParams[stereoIndex].load() > 0.0f ? 1.0f : 0.0f);
        module.setParameter (7, processor.currentParams[syncIndex].load() > 0.0f ? 1.0f : 0.0f);
        module.forceCalcParams();
    }

    juce::Optional<juce::AudioPlayHead::PositionInfo> FixedTempoPlayHead::getPosition() const
    {
        PositionInfo info;
        info.setBpm (bpm);
        return info;
    }

    void ParameterRecorder::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value)
    {
        changes.emplace_back (index, value);
        events.add ("change " + juce::String (index));
    }

    void ParameterRecorder::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
    {
        events.add ("begin " + juce::String (index));
    }

    void ParameterRecorder::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
    {
        events.add ("end " + juce::String (index));
    }
}
