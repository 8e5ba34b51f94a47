#pragma once

#include "OscBaseClass.h"

/** A pulse LFO: 1 for the first part of each cycle, 0 for the rest.

    The slope sets the width of the high part from 15 % to 85 % of the cycle.
*/
class DizadiOscSquare : public OscBaseClass
{
public:
    DizadiOscSquare() = default;

    void setSlope (float newSlope);

    /** Returns the value at the present phase, then advances the phase.
        Inline: it runs once per sample. */
    float getOscSignal() override
    {
        const float value = pulseWidth > phase ? 1.0f : 0.0f;
        advancePhase();
        return value;
    }

    float slope = 0.0f;
    float pulseWidth = 0.5f;
};
