#include "LumiverPX2741AudioProcessor.h"
#include "SampleRateClass.h"

#include <algorithm>
#include <cmath>
#include <limits>

// The audio path: the hand-off of a change of wave type, prepare and release,
// and processBlock with its helpers. Everything the audio thread runs is here:
// processBlock and what it calls neither allocate nor lock. prepareToPlay
// allocates the work buffers; the timer runs on the message thread.

namespace
{
    /** Gains below this count as silence, for the off short-cut and the fades. */
    constexpr float silenceThreshold = 1e-15f;

    // The module parameters the processor drives besides the five values.
    constexpr int moduleBypassIndex = 0;
    constexpr int moduleStereoModeIndex = 1;
    constexpr int moduleSyncOnIndex = 7;

    void copySamples (const float* source, float* destination, int numSamples) noexcept
    {
        std::copy (source, source + numSamples, destination);
    }

    /** A rate the modules can run at: a number of at least the minimum that
        is finite as a float. */
    bool isUsableSampleRate (double sampleRate) noexcept
    {
        // Compared in double: converting a rate beyond the float range is undefined.
        return sampleRate >= LumiverPX2741AudioProcessor::minimumSampleRate
            && sampleRate <= (double) std::numeric_limits<float>::max();
    }

    /** The host's rate as the modules take it: the largest float not above it.
        The thresholds of the sample-rate class are floats, so the class of
        this value is the class of the exact rate, and a rate just below a
        threshold is not rounded up onto it.
    */
    float toModuleRate (double sampleRate) noexcept
    {
        auto rate = (float) sampleRate;

        if ((double) rate > sampleRate)
            rate = std::nextafter (rate, -std::numeric_limits<float>::infinity());

        return rate;
    }
}

//==============================================================================
void LumiverPX2741AudioProcessor::scheduleTypeChange() noexcept
{
    // Starting a juce::Timer locks and may allocate, which the audio thread
    // (where host automation arrives) must not do; the message thread's poll
    // picks the change up instead, typeChangeDelayMs after the last one.
    typeChangeDueMs.store (juce::Time::getMillisecondCounter() + (uint32_t) typeChangeDelayMs);
    typeChangeRequests.fetch_add (1);
}

void LumiverPX2741AudioProcessor::timerCallback()
{
    // The modules note their messages while they process; they go out here.
    for (auto* module : modules)
        module->sendPendingMessages();

    const uint32_t requests = typeChangeRequests.load();

    if (requests == handledTypeChangeRequests)
        return;

    if ((int32_t) (juce::Time::getMillisecondCounter() - typeChangeDueMs.load()) < 0)
        return;

    handledTypeChangeRequests = requests;
    requestTypeChange();
}

void LumiverPX2741AudioProcessor::requestTypeChange()
{
    const int type = ParameterTable::getWaveType (currentParams[tremoloTypeIndex].load());

    if (type != requestedType.load())
    {
        requestedType.store (type);
        typeChangePending.store (true, std::memory_order_release);
    }
}

void LumiverPX2741AudioProcessor::takeTypeChangeRequest()
{
    if (! typeChangePending.exchange (false, std::memory_order_acquire))
        return;

    const int type = requestedType.load();

    if (type == targetType)
        return;

    if (type == currentType)
    {
        // Back to the module still heard before its fade-out ended: the fade
        // turns round where it stands. The two modules swap roles with the
        // weights they have, so the mix goes on without a step, and neither
        // is restarted while it plays. The returning module kept its settings
        // while it faded out (only the incoming one recalculates), so it
        // catches up with them now.
        currentType = targetType;
        targetType = type;
        typeFadeGain = 1.0f - typeFadeGain;

        if (auto* module = getModule (type))
            module->calc();

        return;
    }

    // A third type waits for the running fade to end: restarting it from
    // either module would cut the other one off, a step in the output.
    if (typeFadeActive)
    {
        typeChangePending.store (true, std::memory_order_release);
        return;
    }

    targetType = type;
    typeFadeGain = 1.0f;
    typeFadeStep = -1.0f / (float) fadeLength;

    if (auto* module = getModule (type))
    {
        module->reset();
        module->forceCalcParams();
    }

    typeFadeActive = true;
}

ModuleModel* LumiverPX2741AudioProcessor::getModule (int waveType) noexcept
{
    return (unsigned int) waveType < (unsigned int) numWaveTypes ? modules[waveType] : nullptr;
}

//==============================================================================
void LumiverPX2741AudioProcessor::prepareToPlay (double sampleRate, int estimatedBlockSize)
{
    // Every format comes through here: a rate that is no rate is ignored, and
    // the last usable one (or the default) stays.
    if (isUsableSampleRate (sampleRate))
        preparedSampleRate = sampleRate;

    // The processor's crossfades and the modules' ramps take their length
    // from this one value.
    const float moduleRate = toModuleRate (preparedSampleRate);
    fadeLength = (int16_t) getSampleRateClass (moduleRate);
    onFadeCounter = fadeLength;

    bufferLength = std::max (estimatedBlockSize, minimumBufferLength);
    dryBufferL = std::make_unique<float[]> ((size_t) bufferLength);
    dryBufferR = std::make_unique<float[]> ((size_t) bufferLength);
    fadeBufferL = std::make_unique<float[]> ((size_t) bufferLength);
    fadeBufferR = std::make_unique<float[]> ((size_t) bufferLength);

    for (auto* module : modules)
    {
        module->setSampleRate (moduleRate);
        module->setExpectedSampleFrame (bufferLength);
    }

    forceCalcParams();
}

void LumiverPX2741AudioProcessor::releaseResources()
{
    dryBufferL.reset();
    dryBufferR.reset();
    fadeBufferL.reset();
    fadeBufferR.reset();
    bufferLength = 0;
}

void LumiverPX2741AudioProcessor::forceCalcParams()
{
    effectOn = currentParams[onBypassIndex].load() > 0.0f;

    onFadeStep = 0.0f;
    onFadeCounter = fadeLength;
    onGain = onTarget = effectOn ? 1.0f : 0.0f;

    currentType = targetType = ParameterTable::getWaveType (currentParams[tremoloTypeIndex].load());
    requestedType.store (currentType);

    typeFadeActive = false;
    typeChangePending.store (false);
    typeFadeGain = 1.0f;
    typeFadeStep = 0.0f;

    for (auto* module : modules)
        module->reset();

    for (auto* module : modules)
        module->setParameter (moduleBypassIndex, 1.0f);

    if (getPlayHead() != nullptr)
    {
        updateTempo();

        for (auto* module : modules)
            module->setBpm (currentBpm);
    }

    for (int k = rateIndex; k <= levelIndex; ++k)
    {
        const float value = ParameterTable::toModuleValue (currentParams[k].load());

        for (auto* module : modules)
            module->setParameter (k, value);

        *lastValues[k - rateIndex] = value;
    }

    lastStereo = currentParams[stereoIndex].load() > 0.0f;
    lastSync = currentParams[syncIndex].load() > 0.0f;

    for (auto* module : modules)
    {
        module->setParameter (moduleStereoModeIndex, lastStereo ? 1.0f : 0.0f);
        module->setParameter (moduleSyncOnIndex, lastSync ? 1.0f : 0.0f);
    }

    for (auto* module : modules)
        module->forceCalcParams();

    typeChangePending.store (false);
}

//==============================================================================
void LumiverPX2741AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();

    if (buffer.getNumChannels() <= 0 || numSamples < 0)
        return;

    if (dryBufferL == nullptr)
    {
        // Not prepared: the input passes, a mono input to both outputs.
        if (getTotalNumInputChannels() <= 1 && getTotalNumOutputChannels() >= 2 && buffer.getNumChannels() > 1)
            buffer.copyFrom (1, 0, buffer, 0, 0, numSamples);

        return;
    }

    // A block longer than the work buffers is processed in pieces that fit them.
    int start = 0;

    do
    {
        const int length = std::min (numSamples - start, bufferLength);
        processSection (buffer, start, length);
        start += length;
    }
    while (start < numSamples);
}

void LumiverPX2741AudioProcessor::processSection (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    const int numIn = getTotalNumInputChannels();
    const int numOut = getTotalNumOutputChannels();
    const int numChannels = buffer.getNumChannels();

    // Offsets rather than getWritePointer (channel, start), which an empty block would trip.
    float* const left = buffer.getWritePointer (0) + startSample;
    float* const right = ((numIn > 1 || numOut >= 2) && numChannels > 1) ? buffer.getWritePointer (1) + startSample
                                                                        : nullptr;
    const bool stereoOut = numOut >= 2 && right != nullptr;

    // A due change of wave type is taken first, as if the message thread had
    // prepared the incoming module between blocks: before this block's tempo
    // and values reach it. While the effect is off, the raised crossfade waits.
    takeTypeChangeRequest();

    // A mono input leaves as a stereo pair, whatever the host left in channel 1.
    if (numIn <= 1 && stereoOut)
        copySamples (left, right, numSamples);

    const float onBypass = currentParams[onBypassIndex].load (std::memory_order_relaxed);
    effectOn = onBypass > 0.0f;

    // Off and silent: the input passes as it stands (a mono input already copied above).
    if (onBypass == 0.0f && onGain < silenceThreshold)
        return;

    copySamples (left, dryBufferL.get(), numSamples);

    if (right != nullptr)
        copySamples (right, dryBufferR.get(), numSamples);

    if (getPlayHead() != nullptr)
    {
        const float previousBpm = currentBpm;
        updateTempo();

        if (! (currentBpm == previousBpm))
            for (auto* module : modules)
                module->setBpm (currentBpm);
    }

    const bool fadeWasActive = typeFadeActive;
    const int fadeTarget = targetType;

    pushParameters (fadeTarget);

    if (fadeWasActive)
    {
        copySamples (left, fadeBufferL.get(), numSamples);

        if (stereoOut)
            copySamples (right, fadeBufferR.get(), numSamples);
    }

    if (auto* module = getModule (currentType))
    {
        if (stereoOut)
            module->process (left, right, numSamples);
        else
            module->process (left, numSamples);
    }

    if (fadeWasActive)
        crossfadeTypes (left, stereoOut ? right : nullptr, fadeTarget, numSamples);

    applyOnOffRamp (left, stereoOut ? right : nullptr, numSamples);
}

void LumiverPX2741AudioProcessor::updateTempo()
{
    if (auto* playHead = getPlayHead())
        if (const auto position = playHead->getPosition())
            positionInfo = *position;

    // A position without a tempo reads as 120 beats per minute, as hosts have
    // always been answered.
    currentBpm = (float) positionInfo.getBpm().orFallback (120.0);
}

void LumiverPX2741AudioProcessor::pushParameters (int waveType)
{
    auto* target = getModule (waveType);

    pushSwitch (moduleStereoModeIndex, currentParams[stereoIndex].load (std::memory_order_relaxed) > 0.0f, lastStereo, target);
    pushSwitch (moduleSyncOnIndex, currentParams[syncIndex].load (std::memory_order_relaxed) > 0.0f, lastSync, target);

    for (int k = rateIndex; k <= levelIndex; ++k)
        pushValue (k, ParameterTable::toModuleValue (currentParams[k].load (std::memory_order_relaxed)), *lastValues[k - rateIndex], target);
}

void LumiverPX2741AudioProcessor::pushSwitch (int moduleIndex, bool value, bool& lastValue, ModuleModel* target)
{
    if (value == lastValue)
        return;

    for (auto* module : modules)
        module->setParameter (moduleIndex, value ? 1.0f : 0.0f);

    if (target != nullptr)
        target->calcParameter (moduleIndex);

    lastValue = value;
}

void LumiverPX2741AudioProcessor::pushValue (int index, float value, float& lastValue, ModuleModel* target)
{
    // The module indices of rate, rate-sync, slope, depth and level equal the processor's.
    if (value == lastValue)
        return;

    for (auto* module : modules)
        module->setParameter (index, value);

    if (target != nullptr)
        target->calcParameter (index);

    lastValue = value;
}

void LumiverPX2741AudioProcessor::crossfadeTypes (float* left, float* right, int waveType, int numSamples)
{
    if (auto* module = getModule (waveType))
    {
        if (right != nullptr)
            module->process (fadeBufferL.get(), fadeBufferR.get(), numSamples);
        else
            module->process (fadeBufferL.get(), numSamples);
    }

    const float* const incomingL = fadeBufferL.get();
    const float* const incomingR = fadeBufferR.get();

    for (int i = 0; i < numSamples; ++i)
    {
        float gain = typeFadeGain;

        if (gain > silenceThreshold)
        {
            gain = gain + typeFadeStep;
            typeFadeGain = gain;
        }

        if (gain <= silenceThreshold)
        {
            typeFadeGain = 0.0f;
            typeFadeActive = false;
            currentType = waveType;
            gain = 0.0f;
        }

        left[i] = (1.0f - gain) * incomingL[i] + gain * left[i];

        if (right != nullptr)
            right[i] = (1.0f - gain) * incomingR[i] + gain * right[i];
    }
}

void LumiverPX2741AudioProcessor::applyOnOffRamp (float* left, float* right, int numSamples)
{
    const float target = effectOn ? 1.0f : 0.0f;

    if (target != onTarget)
    {
        onFadeStep = (target - onGain) * (1.0f / (float) fadeLength);
        onFadeCounter = 0;
        onTarget = target;
    }

    const float* const dryL = dryBufferL.get();
    const float* const dryR = dryBufferR.get();

    for (int i = 0; i < numSamples; ++i)
    {
        if (onFadeCounter < fadeLength)
        {
            ++onFadeCounter;
            onGain += onFadeStep;

            if (onGain > 1.0f)
                onGain = 1.0f;
            else if (onGain < silenceThreshold)
                onGain = 0.0f;
        }

        left[i] = onGain * left[i] + (1.0f - onGain) * dryL[i];

        if (right != nullptr)
            right[i] = onGain * right[i] + (1.0f - onGain) * dryR[i];
    }
}
