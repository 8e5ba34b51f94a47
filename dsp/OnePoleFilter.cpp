#include "OnePoleFilter.h"

#include <cmath>

void OnePoleFilter::resetBuffer()
{
    stateL = 0.0;
    stateR = 0.0;
}

void OnePoleFilter::resetCoeffs()
{
    frequency = 0.0f;
    g = 0.0;
    norm = 0.0;
}

void OnePoleFilter::setFrequency (float newFrequency)
{
    constexpr double pi = 3.141592653589793;

    frequency = newFrequency;
    g = std::tan ((double) newFrequency * pi / (double) sampleRate);
    norm = 1.0 / (g + 1.0);
}
