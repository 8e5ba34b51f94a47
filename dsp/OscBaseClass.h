#pragma once

#include "DspBase.h"

/** Base of the LFO oscillators: frequency, phase and phase increment.

    The increment is recomputed only by calc(), so a new frequency or sample
    rate takes effect at the next calc(), without a ramp and without moving the
    phase.
*/
class OscBaseClass : public DspBase
{
public:
    OscBaseClass() = default;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

    virtual void setFrequency (float newFrequency);
    virtual float getFreq();
    virtual void setPhase (float newPhase);
    virtual float getPhase();
    virtual void setAmplitude (float newAmplitude);
    virtual float getAmplitude();
    virtual void forceCalcParams();

    /** Returns the value at the present phase, then advances the phase. */
    virtual float getOscSignal() = 0;

    float frequency = 0.0f;
    float amplitude = 1.0f;
    float phase = 0.0f;
    float increment = 0.0f;

protected:
    /** Moves the phase on by one increment, wrapping it once at 1. */
    void advancePhase() noexcept
    {
        phase = nextPhase (phase, increment);
    }

    /** The phase one increment on from p, wrapped once at 1. */
    static float nextPhase (float p, float step) noexcept
    {
        p += step;

        if (p >= 1.0f)
            p -= 1.0f;

        return p;
    }
};
