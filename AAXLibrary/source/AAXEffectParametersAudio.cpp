#include "AAXEffectParametersAdapter.h"

// The adapter's audio side: runs on the host's audio thread, allocates nothing and
// never waits for a lock.

namespace
{
    /** The host's input that feeds a channel: a mono input feeds every channel. */
    const float* inputFor (const float* const* inputs, int numInputs, int channel) noexcept
    {
        return inputs != nullptr && numInputs > 0 ? inputs[juce::jmin (channel, numInputs - 1)] : nullptr;
    }

    /** Copies the input channels to the outputs; an output without an input is silent. */
    void passThrough (const float* const* inputs, int numInputs, float* const* outputs, int numOutputs, int numSamples) noexcept
    {
        for (int channel = 0; channel < numOutputs; ++channel)
        {
            auto* output = outputs[channel];
            const auto* input = inputFor (inputs, numInputs, channel);

            if (output == nullptr || input == output)
                continue;

            if (input == nullptr)
                juce::FloatVectorOperations::clear (output, numSamples);
            else
                juce::FloatVectorOperations::copy (output, input, numSamples);
        }
    }
}

void AAXEffectParametersAdapter::renderInstance (const AAXAlgorithmContext& context, int numInputs, int numOutputs) noexcept
{
    if (context.outputs == nullptr || context.bufferLength == nullptr || *context.bufferLength <= 0)
        return;

    const auto numSamples = *context.bufferLength;
    auto* adapter = context.instance != nullptr ? *context.instance : nullptr;

    if (adapter == nullptr)
    {
        passThrough (context.inputs, numInputs, context.outputs, numOutputs, numSamples);
        return;
    }

    const bool bypassed = context.bypass != nullptr && *context.bypass != 0;
    adapter->renderAudio (context.inputs, numInputs, context.outputs, numOutputs, numSamples, bypassed);
}

void AAXEffectParametersAdapter::renderAudio (const float* const* inputs, int numInputs, float* const* outputs, int numOutputs,
                                              int numSamples, bool bypassed) noexcept
{
    auto& processor = getProcessor();
    const juce::ScopedTryLock callbackLock (processor.getCallbackLock());
    const auto numChannels = juce::jmin (juce::jmax (numInputs, numOutputs), workBuffer.getNumChannels());

    // Bypassed, not prepared, or the processor busy elsewhere (it is never waited for):
    // the input passes unchanged, on every output.
    if (bypassed || ! callbackLock.isLocked() || ! isPrepared.load() || processor.isSuspended() || numChannels <= 0)
    {
        passThrough (inputs, numInputs, outputs, numOutputs, numSamples);
        return;
    }

    playHead.update (transport.load());

    // The work buffer takes the host's channels, so that channels the host processes in
    // place or repeats are safe, and a block longer than prepared goes in pieces.
    for (int start = 0; start < numSamples; start += maximumBlockSize)
    {
        const auto length = juce::jmin (maximumBlockSize, numSamples - start);
        auto* const* work = workBuffer.getArrayOfWritePointers();

        for (int channel = 0; channel < numChannels; ++channel)
        {
            if (const auto* input = inputFor (inputs, numInputs, channel))
                juce::FloatVectorOperations::copy (work[channel], input + start, length);
            else
                juce::FloatVectorOperations::clear (work[channel], length);
        }

        juce::AudioBuffer<float> block (work, numChannels, length);
        midiEvents.clear();
        processor.processBlock (block, midiEvents);

        for (int channel = 0; channel < numOutputs; ++channel)
            if (outputs[channel] != nullptr)
                juce::FloatVectorOperations::copy (outputs[channel] + start, work[juce::jmin (channel, numChannels - 1)], length);
    }
}
