#pragma once

#include "ModuleBase.h"

/** The state and coefficients shared by the one-pole lowpass and highpass:
    a trapezoidal integrator with prewarped gain g = tan (pi * f / fs) and
    normalisation norm = 1 / (1 + g), with separate state for two channels.

    The sample rate is only stored: after changing it, call setFrequency()
    again to recompute the coefficients.
*/
class OnePoleFilter : public ModuleBase
{
public:
    OnePoleFilter() = default;

    void resetBuffer() override;
    void resetCoeffs() override;

    /** Sets the cutoff in Hz for the present sample rate. */
    void setFrequency (float newFrequency);

    float frequency = 0.0f;
    double g = 0.0;
    double norm = 0.0;
    double stateL = 0.0;
    double stateR = 0.0;

protected:
    /** One integrator step on x with the given state; returns the lowpass output. */
    double lowpassStep (double x, double& state) const noexcept
    {
        const double v = (g * x + state) * norm;
        state = (x - v) * g + v;
        return v;
    }
};
