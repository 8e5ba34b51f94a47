#include "DemoSignal.h"

#include <cmath>

namespace
{
    // A minor chord on A3 with a soft fifth above; left and right are detuned
    // slightly so that the stereo mode can be heard too.
    constexpr double chordFrequencies[] = { 220.0, 261.63, 329.63, 440.0 };
    constexpr double chordLevels[] = { 0.25, 0.18, 0.15, 0.08 };
    constexpr double rightDetune = 1.002;
    constexpr double edgeSeconds = 0.02;
}

juce::AudioBuffer<float> DemoSignal::create (double sampleRate, double seconds)
{
    const int numSamples = juce::jmax (1, juce::roundToInt (sampleRate * seconds));
    const int edge = juce::jmin (numSamples / 2, juce::roundToInt (sampleRate * edgeSeconds));
    juce::AudioBuffer<float> buffer (2, numSamples);

    for (int channel = 0; channel < 2; ++channel)
    {
        const double detune = channel == 0 ? 1.0 : rightDetune;

        for (int i = 0; i < numSamples; ++i)
        {
            double sample = 0.0;

            for (size_t note = 0; note < std::size (chordFrequencies); ++note)
                sample += chordLevels[note] * std::sin (juce::MathConstants<double>::twoPi * chordFrequencies[note] * detune * i / sampleRate);

            // Short fades at both ends avoid clicks.
            const int distanceToEdge = juce::jmin (i, numSamples - 1 - i);

            if (distanceToEdge < edge)
                sample *= (double) distanceToEdge / (double) edge;

            buffer.setSample (channel, i, (float) sample);
        }
    }

    return buffer;
}
