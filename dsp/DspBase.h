#pragma once

/** Root of the signal blocks: a sample rate, a class-name text and the common
    life cycle of reset (signal state, then coefficients) and calc.
*/
class DspBase
{
public:
    DspBase();
    virtual ~DspBase() = default;

    virtual void setSampleRate (float newSampleRate);
    virtual float getSampleRate();

    /** The class-name text, or "" when there is none. */
    virtual const char* getName();

    /** Clears the signal state and then the coefficients. */
    virtual void reset();
    virtual void resetBuffer();
    virtual void resetCoeffs();

    /** Recomputes the coefficients from the stored settings. */
    virtual void calc();

    float sampleRate = 44100.0f;
    const char* name = nullptr;
};
