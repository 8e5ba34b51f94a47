#pragma once

#include "OscBaseClass.h"

/** A triangle LFO falling from 1 at phase 0 to 0 at its apex, then rising back.

    The slope moves the apex (the low point) from near the start to near the
    end of the cycle. Both slopes' scales are computed in setSlope().
*/
class DizadiOscTriangle : public OscBaseClass
{
public:
    DizadiOscTriangle() = default;

    void setSlope (float newSlope);

    /** Returns the value at the present phase, then advances the phase.
        Inline: it runs once per sample. */
    float getOscSignal() override
    {
        const float p = phase;
        const float value = apex > p ? 1.0f - fallScale * p
                                     : (p - apex) * riseScale;
        advancePhase();
        return value;
    }

    float slope = 0.0f;
    float apex = 0.5f;
    float fallScale = 2.0f;
    float riseScale = 2.0f;
};
