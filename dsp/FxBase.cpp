#include "FxBase.h"

float FxBase::getParameter (int index)
{
    if (parameters == nullptr || index < 0 || index >= parameterNum)
        return 0.0f;

    return parameters[index];
}

float* FxBase::getAllParameters()
{
    return parameters;
}

int FxBase::getParameterNum()
{
    return parameterNum;
}

void FxBase::setExpectedSampleFrame (int numSamples)
{
    expectedSampleFrame = numSamples;
}

int FxBase::getExpectedSampleFrame()
{
    return expectedSampleFrame;
}

void FxBase::setBpm (float newBpm)
{
    bpm = newBpm;
}

float FxBase::getBpm()
{
    return bpm;
}
