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
        const float value = shapeCosine (std::cos (twoPi * phase), shapeCoeff);
        advancePhase();
        return value;
    }

    /** Writes the next numValues values, bit for bit as that many
        getOscSignal() calls would.

        Only the phase depends on the sample before, so the phases go first;
        the cosines and the shaping passes then run across the whole block,
        the shaping in a loop the compiler vectorises with the same float
        operations per value.
    */
    void getOscSignals (float* values, int numValues) noexcept;

    float slope = 0.0f;
    float shapeCoeff = 0.0f;

private:
    static constexpr float twoPi = 6.2831855f;

    /** Bends a cosine value c by three passes of (2c^2 - 1) k + c - k and
        lifts the result into 0..1. */
    static float shapeCosine (float c, float k) noexcept
    {
        for (int pass = 0; pass < 3; ++pass)
            c = ((c + c) * c + (-1.0f)) * k + c - k;

        return c * 0.5f + 0.5f;
    }
};
