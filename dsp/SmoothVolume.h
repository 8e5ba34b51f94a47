#pragma once

#include "CommonBase.h"

#include <cstdint>

/** A gain stage that moves linearly to a new gain over the sample-rate class.

    setValue() only stores the target; calc() starts the ramp. The first calc()
    after construction or reset() jumps to the target instead. The gain is
    stepped before it is applied, and lands on the target exactly at the end of
    the ramp. A new target waits for the next calc().
*/
class SmoothVolume : public CommonBase
{
public:
    SmoothVolume() = default;

    /** Stores the rate and takes the ramp length from it. */
    void setSampleRate (float newSampleRate) override;

    /** Returns to the first-calc state with a gain of 0; keeps the target. */
    void reset() override;

    void process (double& sample) override
    {
        advance();
        sample *= current;
    }

    void process (double& left, double& right) override
    {
        advance();
        left  *= current;
        right *= current;
    }

    void resetBuffer();
    void resetCoeffs();
    void setValue (float newTarget);
    void calc();

    double current = 0.0;
    double target = 0.0;
    double step = 0.0;
    int16_t counter = 0;
    bool firstCalc = true;
    int32_t rampLength = 2048;
    double rampLengthD = 2048.0;

    /** The target the running ramp was started for: a setValue() without a
        calc() must not make the ramp end on the new target with a jump. */
    double rampTarget = 0.0;

private:
    void advance() noexcept
    {
        if (counter < rampLength)
        {
            ++counter;
            current = step + current;

            if (counter == rampLength)
                current = rampTarget;
        }
    }
};
