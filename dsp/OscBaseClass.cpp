#include "OscBaseClass.h"

void OscBaseClass::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
}

void OscBaseClass::resetBuffer()
{
    phase = 0.0f;
    increment = 0.0f;
}

void OscBaseClass::resetCoeffs()
{
    frequency = 0.0f;
    amplitude = 1.0f;
}

void OscBaseClass::calc()
{
    increment = frequency / sampleRate;
}

void OscBaseClass::setFrequency (float newFrequency)
{
    frequency = newFrequency;
}

float OscBaseClass::getFreq()
{
    return frequency;
}

void OscBaseClass::setPhase (float newPhase)
{
    phase = newPhase;
}

float OscBaseClass::getPhase()
{
    return phase;
}

void OscBaseClass::setAmplitude (float newAmplitude)
{
    amplitude = newAmplitude;
}

float OscBaseClass::getAmplitude()
{
    return amplitude;
}

void OscBaseClass::forceCalcParams()
{
}
