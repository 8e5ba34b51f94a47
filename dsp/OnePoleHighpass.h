#pragma once

#include "OnePoleFilter.h"

/** One-pole highpass: the input minus the integrator's output. Inline, as it
    runs per sample.
*/
class OnePoleHighpass : public OnePoleFilter
{
public:
    OnePoleHighpass() = default;

    void process (double& sample) override
    {
        sample = sample - lowpassStep (sample, stateL);
    }

    void process (double& left, double& right) override
    {
        left  = left  - lowpassStep (left,  stateL);
        right = right - lowpassStep (right, stateR);
    }
};
