#include "CommonBase.h"

void CommonBase::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
}

void CommonBase::reset()
{
}
