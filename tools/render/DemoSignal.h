#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** The demo's test signal: a sustained stereo chord, so that a tremolo is
    plainly audible on it.
*/
class DemoSignal
{
public:
    static juce::AudioBuffer<float> create (double sampleRate, double seconds);
};
