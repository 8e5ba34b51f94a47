#include "DspBase.h"

DspBase::DspBase()
{
    name = "DspBase";
}

void DspBase::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
}

float DspBase::getSampleRate()
{
    return sampleRate;
}

const char* DspBase::getName()
{
    return name != nullptr ? name : "";
}

void DspBase::reset()
{
    resetBuffer();
    resetCoeffs();
}

void DspBase::resetBuffer()
{
}

void DspBase::resetCoeffs()
{
}

void DspBase::calc()
{
}
