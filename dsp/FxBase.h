#pragma once

#include "FxModuleBase.h"

#include <juce_core/juce_core.h>

#include <cstdint>

/** The effect-module interface: raw 0..1 parameters by index, block processing
    in place, a tempo and the expected maximum block length.

    The parameter array belongs to the concrete module, which allocates and
    frees it.
*/
class FxBase : public FxModuleBase
{
public:
    FxBase() = default;
    ~FxBase() override = default;

    /** Processes one channel of numSamples samples in place. */
    virtual void process (float* samples, int numSamples) = 0;

    /** Processes the left and right channels of numSamples samples in place. */
    virtual void process (float* left, float* right, int numSamples) = 0;

    virtual void setParameter (int index, float value) = 0;
    virtual void calcParameter (int index) = 0;
    virtual float getDefaultParameter (int index) = 0;

    /** The stored raw value, or 0 when there is no array or the index is out of range. */
    virtual float getParameter (int index);

    virtual float* getAllParameters();
    virtual juce::String getParameterName (int index) = 0;
    virtual int getParameterNum();
    virtual void setExpectedSampleFrame (int numSamples);
    virtual int getExpectedSampleFrame();

    /** Stores the tempo only; a module applies it at the start of its next block. */
    virtual void setBpm (float newBpm);
    virtual float getBpm();

    virtual void forceCalcParams() = 0;

    float* parameters = nullptr;
    int32_t parameterNum = 0;
    int32_t expectedSampleFrame = 0;
    float bpm = 120.0f;
    float previousBpm = -1.0f;
};
