#include "DizadiTremoloModule.h"
#include "DizadiOsc.h"
#include "DizadiOscSquare.h"
#include "DizadiOscTriangle.h"
#include "SampleRateClass.h"
#include "SyncedNoteValues.h"

#include <algorithm>
#include <cmath>

namespace
{
    // Built once, so that sending it from the audio thread allocates nothing.
    const juce::String stereoLayoutMessage ("ModuleViewController arrangeModelInputsOutputs");

    constexpr float minimumLfoFrequency = 0.01f;
    constexpr float lfoSmoothingFrequency = 100.0f;
    constexpr float inputHighpassFrequency = 33.0f;
    constexpr float outputHighpassFrequency = 10.0f;
}

template <typename OscillatorType>
DizadiTremoloModule<OscillatorType>::DizadiTremoloModule (const char* className)
{
    parameters = new float[numParameters]();
    name = className;
    parameterNum = numParameters;
    effectiveStereo = false;
    notifiedStereo = true;

    for (int index = 0; index < numParameters; ++index)
        setParameter (index, getDefaultParameter (index));

    reset();

    // The constructor's own announcement goes out at once, before anyone listens.
    sendPendingMessages();
}

template <typename OscillatorType>
DizadiTremoloModule<OscillatorType>::~DizadiTremoloModule()
{
    delete[] parameters;
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    oscillator.setSampleRate (newSampleRate);
    inputFilter.setSampleRate (newSampleRate);
    lfoFilter.setSampleRate (newSampleRate);
    outputFilter.setSampleRate (newSampleRate);
    level.setSampleRate (newSampleRate);
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::resetBuffer()
{
    oscillator.resetBuffer();
    inputFilter.resetBuffer();
    lfoFilter.resetBuffer();
    outputFilter.resetBuffer();
    level.resetBuffer();
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::resetCoeffs()
{
    oscillator.resetCoeffs();
    inputFilter.resetCoeffs();
    lfoFilter.resetCoeffs();
    outputFilter.resetCoeffs();
    level.resetCoeffs();
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::calc()
{
    takeOnOffTransition();
    calcOsc();
    lfoFilter.calc();
    inputFilter.calc();
    outputFilter.calc();
    level.calc();
}

template <typename OscillatorType>
float DizadiTremoloModule<OscillatorType>::getSyncedBeats (float rateSyncValue) noexcept
{
    return SyncedNoteValues::getBeats (SyncedNoteValues::forRateSync (rateSyncValue));
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::calcOsc()
{
    float frequency;

    if (syncOn)
        frequency = 1.0f / ((60.0f / bpm) * getSyncedBeats (rateSync));
    else
        frequency = (std::pow (5.445f, rate) - 1.0f) / 4.445f * 20.0f;

    // A NaN or infinite rate (from a NaN or infinite tempo or "Rate") would
    // leave the phase NaN for good, so it takes the lowest rate instead.
    if (! (frequency >= minimumLfoFrequency) || std::isinf (frequency))
        frequency = minimumLfoFrequency;

    // Far outside the "Rate" range or at an absurd tempo the increment would
    // reach 1, and the phase would leave the cycle for good; no LFO runs
    // faster than half the sample rate.
    const float maximumLfoFrequency = sampleRate * 0.5f;

    if (frequency > maximumLfoFrequency)
        frequency = maximumLfoFrequency;

    oscillator.setFrequency (frequency);
    oscillator.calc();
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::takeOnOffTransition()
{
    if (prevOnFlag == onFlag)
        return;

    fadeState = onFlag ? fadingIn : fadingOut;
    prevOnFlag = onFlag;
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::notifyStereoLayout()
{
    if (getInputsUsed() == 1)
    {
        effectiveStereo = stereoMode;

        // Noted, not broadcast: this runs on the audio thread, and
        // broadcasting takes a lock. sendPendingMessages() broadcasts it.
        if (effectiveStereo != notifiedStereo)
        {
            pendingStereoMessages.fetch_add (1, std::memory_order_relaxed);
            notifiedStereo = effectiveStereo;
        }
    }
    else
    {
        notifiedStereo = ! effectiveStereo;
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::sendPendingMessages()
{
    for (int n = pendingStereoMessages.exchange (0, std::memory_order_relaxed); n > 0; --n)
        sendActionMessage (stereoLayoutMessage);
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::setParameter (int index, float value)
{
    // A non-finite shape, depth or level (or a level whose doubled gain
    // overflows) would turn the filter or gain states into NaN for good; such
    // a value is refused and the present one kept.
    if ((index == slopeIndex || index == depthIndex) && ! std::isfinite (value))
        return;

    if (index == levelIndex && ! std::isfinite (value + value))
        return;

    if (index >= 0 && index < parameterNum)
        parameters[index] = value;

    switch (index)
    {
        case bypassIndex:       onFlag = value > 0.0f; break;
        case stereoModeIndex:   stereoMode = value > 0.0f; notifyStereoLayout(); break;
        case rateIndex:         rate = value; break;
        case rateSyncIndex:     rateSync = value; break;
        case slopeIndex:        slope = value; oscillator.setSlope (value); break;
        case depthIndex:        depth = value; break;
        case levelIndex:        levelGain = value + value; level.setValue (levelGain); break;
        case syncOnIndex:       syncOn = value > 0.0f; break;
        default:                break;
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::calcParameter (int index)
{
    switch (index)
    {
        case bypassIndex:   takeOnOffTransition(); break;
        case rateIndex:
        case rateSyncIndex:
        case slopeIndex:
        case syncOnIndex:   calcOsc(); break;
        case levelIndex:    level.calc(); break;
        default:            break;
    }
}

template <typename OscillatorType>
float DizadiTremoloModule<OscillatorType>::getDefaultParameter (int index)
{
    switch (index)
    {
        case bypassIndex:       return 1.0f;
        case stereoModeIndex:   return 0.0f;
        case rateIndex:
        case rateSyncIndex:
        case slopeIndex:
        case depthIndex:
        case levelIndex:        return 0.5f;
        case syncOnIndex:       return 0.0f;
        default:                return 0.0f;
    }
}

template <typename OscillatorType>
juce::String DizadiTremoloModule<OscillatorType>::getParameterName (int index)
{
    switch (index)
    {
        case bypassIndex:       return "Bypass";
        case stereoModeIndex:   return "StereoMode";
        case rateIndex:         return "Rate";
        case rateSyncIndex:     return "RateSync";
        case slopeIndex:        return "Slope";
        case depthIndex:        return "Depth";
        case levelIndex:        return "Level";
        case syncOnIndex:       return "SyncOn";
        default:                return {};
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::setExpectedSampleFrame (int numSamples)
{
    if (numSamples < 0)
        return;

    expectedSampleFrame = numSamples;
    dryL = std::make_unique<float[]> ((size_t) numSamples);
    dryR = std::make_unique<float[]> ((size_t) numSamples);
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::forceCalcParams()
{
    prevOnFlag = onFlag;

    if (onFlag)
    {
        fadeState = fadeOn;
        wetGain = 1.0f;
        dryGain = 0.0f;
    }
    else
    {
        fadeState = fadeOff;
        dryGain = 1.0f;
        wetGain = 0.0f;
    }

    fadeLength = getSampleRateClass (sampleRate);
    fadeStep = 1.0f / (float) fadeLength;

    lfoFilter.setFrequency (lfoSmoothingFrequency);
    inputFilter.setFrequency (inputHighpassFrequency);
    outputFilter.setFrequency (outputHighpassFrequency);

    oscillator.setSlope (slope);
    notifyStereoLayout();
    level.setValue (levelGain);

    calc();
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::startBlock (int numSamples)
{
    if (expectedSampleFrame < numSamples || dryL == nullptr || dryR == nullptr)
        setExpectedSampleFrame (numSamples);

    if (syncOn && bpm != previousBpm)
    {
        previousBpm = bpm;
        calcOsc();
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::advanceFade() noexcept
{
    if (fadeState == fadingIn)
    {
        if (wetGain < 1.0f)
        {
            wetGain += fadeStep;
            dryGain -= fadeStep;
        }
        else
        {
            wetGain = 1.0f;
            dryGain = 0.0f;
            fadeState = fadeOn;
        }
    }
    else if (fadeState == fadingOut)
    {
        if (dryGain < 1.0f)
        {
            dryGain += fadeStep;
            wetGain -= fadeStep;
        }
        else
        {
            dryGain = 1.0f;
            wetGain = 0.0f;
            fadeState = fadeOff;
        }
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::process (float* samples, int numSamples)
{
    numSamples = std::max (0, numSamples);
    startBlock (numSamples);

    if (fadeState == fadeOn)
    {
        processFx (samples, numSamples);
    }
    else if (fadeState == fadingIn || fadeState == fadingOut)
    {
        std::copy (samples, samples + numSamples, dryL.get());
        processFx (samples, numSamples);

        for (int i = 0; i < numSamples; ++i)
        {
            samples[i] = wetGain * samples[i] + dryGain * dryL[(size_t) i];
            advanceFade();
        }
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::process (float* left, float* right, int numSamples)
{
    numSamples = std::max (0, numSamples);
    startBlock (numSamples);

    if (fadeState == fadeOn)
    {
        processFx (left, right, numSamples);
    }
    else if (fadeState == fadingIn || fadeState == fadingOut)
    {
        std::copy (left, left + numSamples, dryL.get());
        std::copy (right, right + numSamples, dryR.get());
        processFx (left, right, numSamples);

        for (int i = 0; i < numSamples; ++i)
        {
            left[i]  = wetGain * left[i]  + dryGain * dryL[(size_t) i];
            right[i] = wetGain * right[i] + dryGain * dryR[(size_t) i];
            advanceFade();
        }
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::renderLfo (float* values, int numValues)
{
    for (int i = 0; i < numValues; ++i)
        values[i] = oscillator.getOscSignal();
}

// The sine renders its chunk in passes that run across samples.
template <>
void DizadiTremoloModule<DizadiOsc>::renderLfo (float* values, int numValues)
{
    oscillator.getOscSignals (values, numValues);
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::processFx (float* samples, int numSamples)
{
    const double d = (double) depth;
    float lfoValues[lfoChunkLength];

    for (int start = 0; start < numSamples; start += lfoChunkLength)
    {
        const int count = std::min (lfoChunkLength, numSamples - start);
        float* chunk = samples + start;
        renderLfo (lfoValues, count);

        for (int i = 0; i < count; ++i)
        {
            double x = (double) chunk[i];
            inputFilter.process (x);

            double m = (double) lfoValues[i];
            lfoFilter.process (m);

            x = x * (1.0 - d) + (x * m) * d;
            outputFilter.process (x);
            level.process (x);
            chunk[i] = (float) x;
        }
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::processFx (float* left, float* right, int numSamples)
{
    const double d = (double) depth;
    float lfoValues[lfoChunkLength];

    for (int start = 0; start < numSamples; start += lfoChunkLength)
    {
        const int count = std::min (lfoChunkLength, numSamples - start);
        float* chunkL = left + start;
        float* chunkR = right + start;
        renderLfo (lfoValues, count);

        for (int i = 0; i < count; ++i)
        {
            double l = (double) chunkL[i];
            double r = (double) chunkR[i];
            inputFilter.process (l, r);

            double m = (double) lfoValues[i];
            lfoFilter.process (m);
            const double mRight = stereoMode ? 1.0 - m : m;

            l = l * (1.0 - d) + (l * m) * d;
            r = r * (1.0 - d) + (r * mRight) * d;
            outputFilter.process (l, r);
            level.process (l, r);
            chunkL[i] = (float) l;
            chunkR[i] = (float) r;
        }
    }
}

template <typename OscillatorType>
void DizadiTremoloModule<OscillatorType>::processBlock (float* input, float* output, int numSamples)
{
    const bool stereo = stereoMode;
    const int inputs = getInputsUsed();
    const int count = std::max (0, numSamples);

    if (inputs == 2)
    {
        process (input, output, numSamples);
    }
    else if (inputs == 1 && stereo)
    {
        std::copy (input, input + count, output);
        process (input, output, numSamples);
    }
    else if (inputs == 1)
    {
        process (input, numSamples);
        std::copy (input, input + count, output);
    }
}

template class DizadiTremoloModule<DizadiOsc>;
template class DizadiTremoloModule<DizadiOscSquare>;
template class DizadiTremoloModule<DizadiOscTriangle>;
