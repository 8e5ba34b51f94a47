#include "SmoothVolume.h"
#include "SampleRateClass.h"

void SmoothVolume::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    rampLength = getSampleRateClass (newSampleRate);
    rampLengthD = (double) rampLength;
}

void SmoothVolume::reset()
{
    resetCoeffs();
}

void SmoothVolume::resetBuffer()
{
}

void SmoothVolume::resetCoeffs()
{
    firstCalc = true;
    counter = 0;
    current = 0.0;
    step = 0.0;
    rampTarget = target;
}

void SmoothVolume::setValue (float newTarget)
{
    target = (double) newTarget;
}

void SmoothVolume::calc()
{
    if (firstCalc)
    {
        current = target;
        firstCalc = false;
    }

    step = (target - current) * (1.0 / rampLengthD);
    counter = 0;
    rampTarget = target;
}
