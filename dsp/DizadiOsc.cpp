#include "DizadiOsc.h"

void DizadiOsc::setSlope (float newSlope)
{
    slope = newSlope;
    shapeCoeff = ((1.0f - newSlope) * 0.225424f) * 2.0f + (-0.225424f);
}

void DizadiOsc::getOscSignals (float* values, int numValues) noexcept
{
    // The phase is the only recurrence: a local copy keeps it in a register,
    // clear of the stores to values[].
    float p = phase;
    const float step = increment;

    for (int i = 0; i < numValues; ++i)
    {
        values[i] = twoPi * p;
        p = nextPhase (p, step);
    }

    phase = p;

    for (int i = 0; i < numValues; ++i)
        values[i] = std::cos (values[i]);

    const float k = shapeCoeff;

    for (int i = 0; i < numValues; ++i)
        values[i] = shapeCosine (values[i], k);
}
