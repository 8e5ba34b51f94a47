#pragma once

#include "OscBaseClass.h"

#include <cmath>

/** A shaped sine LFO between 0 and 1, 1 at phase 0.

    The slope bends the raised cosine: 0.5 leaves it as it is, lower values pull
    the wave towards 0 and higher values towards 1.
*/
class DizadiOsc : public OscBaseClass
{
public:
    DizadiOsc() = default;

    void setSlope (float newSlope);

    /** Returns the value at the present phase, then advances the phase.
        Inline: it runs once per sample. */
    float getOscSignal() override
    {
        const float k = shapeCoeff;
        float c = std::cos (6.2831855f * phase);

        for (int pass = 0; pass < 3; ++pass)
            c = ((c + c) * c + (-1.0f)) * k + c - k;

        advancePhase();
        return c * 0.5f + 0.5f;
    }

    float slope = 0.0f;
    float shapeCoeff = 0.0f;
};
