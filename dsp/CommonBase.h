#pragma once

/** Root of the per-sample gain blocks: a sample rate and two in-place process calls. */
class CommonBase
{
public:
    CommonBase() = default;
    virtual ~CommonBase() = default;

    virtual void setSampleRate (float newSampleRate);
    virtual void reset();

    /** Processes one sample in place. */
    virtual void process (double& sample) = 0;

    /** Processes a left and a right sample in place. */
    virtual void process (double& left, double& right) = 0;

    float sampleRate = 44100.0f;
};
