#pragma once

#include "DizadiSineWave.h"
#include "DizadiSquareWave.h"
#include "DizadiTriangleWave.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace juce
{
    // The framework's own dispatch step of the Linux message loop; the tests
    // use it to deliver posted messages without a modal loop.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace dsptest
{
    constexpr double pi = 3.141592653589793;

    /** Delivers every message posted so far on the message thread (the test's thread). */
    inline void deliverPendingMessages()
    {
        while (juce::dispatchNextMessageOnSystemQueue (true))
        {
        }
    }

    /** Sets a module up as the processor does before its first block. */
    template <typename Module>
    void prepare (Module& module, float sampleRate = 44100.0f, int blockLength = 512)
    {
        module.setSampleRate (sampleRate);
        module.setExpectedSampleFrame (blockLength);
        module.forceCalcParams();
    }

    /** Sets a parameter and applies it, as the processor does for a change. */
    template <typename Module>
    void change (Module& module, int index, float value)
    {
        module.setParameter (index, value);
        module.calcParameter (index);
    }

    /** A sine test signal. */
    inline std::vector<float> makeSine (int numSamples, double frequency, double sampleRate, double amplitude = 0.5)
    {
        std::vector<float> samples ((size_t) numSamples);

        for (int i = 0; i < numSamples; ++i)
            samples[(size_t) i] = (float) (amplitude * std::sin (2.0 * pi * frequency * i / sampleRate));

        return samples;
    }

    /** Amplitude and phase (radians) of a signal's component at a frequency,
        measured over a whole number of its periods starting at firstSample.
    */
    struct Component
    {
        double amplitude;
        double phase;
    };

    inline Component measureComponent (const std::vector<double>& signal, int firstSample,
                                       double frequency, double sampleRate)
    {
        double sinSum = 0.0, cosSum = 0.0;
        const int count = (int) signal.size() - firstSample;

        for (int i = firstSample; i < (int) signal.size(); ++i)
        {
            const double angle = 2.0 * pi * frequency * i / sampleRate;
            sinSum += signal[(size_t) i] * std::sin (angle);
            cosSum += signal[(size_t) i] * std::cos (angle);
        }

        return { 2.0 * std::hypot (sinSum, cosSum) / count, std::atan2 (cosSum, sinSum) };
    }

    /** Both modules process the same mono input; returns whether their outputs are identical. */
    inline bool processIdentically (ModuleModel& module, ModuleModel& twin, const std::vector<float>& input)
    {
        auto a = input, b = input;
        module.process (a.data(), (int) a.size());
        twin.process (b.data(), (int) b.size());
        return a == b;
    }

    /** The largest absolute difference between two sample sequences of equal length. */
    inline double maxDifference (const std::vector<float>& a, const std::vector<float>& b)
    {
        double largest = 0.0;

        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            largest = std::max (largest, std::abs ((double) a[i] - (double) b[i]));

        return largest;
    }
}
