#pragma once

#include "ModuleModel.h"
#include "OnePoleHighpass.h"
#include "OnePoleLowpass.h"
#include "SmoothVolume.h"

#include <atomic>
#include <memory>

/** A complete tremolo for one or two channels, processing float blocks in place.

    Per sample: a 33 Hz highpass on the input, the LFO value smoothed by a
    100 Hz lowpass and mixed with the dry signal by the depth, a 10 Hz highpass
    and a smoothed output gain. The LFO runs free (0.01 to 20 Hz) or locked to
    the tempo as one of 19 note values. In stereo mode the right channel gets
    the inverted modulation. "Bypass" fades the module on and off.

    The three wave types share this implementation and differ only in their
    oscillator and class-name text.
*/
template <typename OscillatorType>
class DizadiTremoloModule : public ModuleModel
{
public:
    /** The module's raw parameters, all 0..1 in use. */
    enum ParameterIndex
    {
        bypassIndex = 0,
        stereoModeIndex,
        rateIndex,
        rateSyncIndex,
        slopeIndex,
        depthIndex,
        levelIndex,
        syncOnIndex,
        numParameters
    };

    /** The on/off crossfade states. */
    enum FadeState
    {
        fadeOff = 0,
        fadingIn = 1,
        fadeOn = 2,
        fadingOut = 3
    };

    explicit DizadiTremoloModule (const char* className);
    ~DizadiTremoloModule() override;

    /** Stores the rate in every block; the caller follows it with forceCalcParams(). */
    void setSampleRate (float newSampleRate) override;

    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

    void process (float* samples, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;

    void setParameter (int index, float value) override;
    void calcParameter (int index) override;
    float getDefaultParameter (int index) override;
    juce::String getParameterName (int index) override;

    /** Reallocates the two dry buffers for numSamples samples, zeroed.
        A negative length is ignored.
    */
    void setExpectedSampleFrame (int numSamples) override;

    /** Recomputes everything at once and takes the on/off state without a fade. */
    void forceCalcParams() override;

    void processBlock (float* input, float* output, int numSamples) override;

    /** Sends one stereo-layout message for each change of layout noted since the last call. */
    void sendPendingMessages() override;

    /** The note length in beats for a raw "RateSync" value. */
    static float getSyncedBeats (float rateSyncValue) noexcept;

    OscillatorType oscillator;
    OnePoleHighpass inputFilter;
    OnePoleHighpass outputFilter;
    OnePoleLowpass lfoFilter;
    SmoothVolume level;

    bool onFlag = true;
    bool prevOnFlag = true;
    float rate = 0.5f;
    float rateSync = 0.5f;
    float slope = 0.5f;
    float depth = 0.5f;
    float levelGain = 1.0f;
    bool syncOn = false;
    bool stereoMode = false;
    bool effectiveStereo = false;
    bool notifiedStereo = true;

    /** Changes of layout noted (on the audio thread too) and not yet sent. */
    std::atomic<int> pendingStereoMessages { 0 };

    std::unique_ptr<float[]> dryL;
    std::unique_ptr<float[]> dryR;

    // Until the first forceCalcParams() these hold what it would set for the
    // default "Bypass" of 1 at 44100 Hz.
    int32_t fadeState = fadeOn;
    int32_t fadeLength = 2048;
    float fadeStep = 1.0f / 2048.0f;
    float wetGain = 1.0f;
    float dryGain = 0.0f;

private:
    void calcOsc();
    void takeOnOffTransition();
    void notifyStereoLayout();
    /** Grows the dry buffers to the block and applies a new tempo. */
    void startBlock (int numSamples);
    void advanceFade() noexcept;

    /** The LFO is rendered a chunk ahead of the filter chain. It does not
        depend on the filters, so its long per-sample computation overlaps
        across samples instead of stalling the filters' recurrences; each
        block still sees the same operations in the same order, so the output
        is the same. */
    static constexpr int lfoChunkLength = 128;
    void renderLfo (float* values, int numValues);

    void processFx (float* samples, int numSamples);
    void processFx (float* left, float* right, int numSamples);

    JUCE_DECLARE_NON_COPYABLE (DizadiTremoloModule)
};
