#pragma once

#include "OnePoleFilter.h"

/** One-pole lowpass: the integrator's output. Inline, as it runs per sample. */
class OnePoleLowpass : public OnePoleFilter
{
public:
    OnePoleLowpass() = default;

    void process (double& sample) override
    {
        sample = lowpassStep (sample, stateL);
    }

    void process (double& left, double& right) override
    {
        left  = lowpassStep (left,  stateL);
        right = lowpassStep (right, stateR);
    }
};
