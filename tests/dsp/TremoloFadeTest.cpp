#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dsptest;

namespace
{
    enum { bypass = 0 };

    struct FadeCase
    {
        float sampleRate;
        int fadeLength;
    };

    /** Runs a fading module and an always-on twin side by side, one sample per
        block, and checks every output against the linear crossfade of the
        twin's processed signal and the dry input. Returns the number of
        samples until the fading module reached endState.
    */
    int runFade (DizadiSineWave& fading, DizadiSineWave& processed, int fadeLength, bool fadingIn, int endState)
    {
        const auto input = makeSine (3 * fadeLength, 330.0, fading.getSampleRate());

        for (int i = 0; i < (int) input.size(); ++i)
        {
            float wet = input[(size_t) i], out = input[(size_t) i];
            processed.process (&wet, 1);
            fading.process (&out, 1);

            const int done = std::min (i, fadeLength);
            const float rising = (float) done / (float) fadeLength;
            const float wetGain = fadingIn ? rising : 1.0f - rising;
            const float expected = wetGain * wet + (1.0f - wetGain) * input[(size_t) i];

            EXPECT_NEAR (out, expected, 1e-7f) << "sample " << i;

            if (fading.fadeState == endState)
                return i + 1;
        }

        return -1;
    }
}

class TremoloFade : public ::testing::TestWithParam<FadeCase> {};

TEST_P (TremoloFade, AFullFadeOutSpansFadeLengthPlusOneSamples)
{
    DizadiSineWave fading, processed;
    prepare (fading, GetParam().sampleRate);
    prepare (processed, GetParam().sampleRate);
    EXPECT_EQ (fading.fadeLength, GetParam().fadeLength);

    change (fading, bypass, 0.0f);
    ASSERT_EQ (fading.fadeState, 3);

    EXPECT_EQ (runFade (fading, processed, GetParam().fadeLength, false, 0), GetParam().fadeLength + 1);

    // Off: blocks leave untouched.
    auto block = makeSine (256, 100.0, GetParam().sampleRate);
    const auto dry = block;
    fading.process (block.data(), 256);
    EXPECT_EQ (block, dry);
}

TEST_P (TremoloFade, AFullFadeInSpansFadeLengthPlusOneSamples)
{
    DizadiSineWave fading, processed;
    fading.setParameter (bypass, 0.0f);
    prepare (fading, GetParam().sampleRate);
    prepare (processed, GetParam().sampleRate);
    ASSERT_EQ (fading.fadeState, 0);

    change (fading, bypass, 1.0f);
    ASSERT_EQ (fading.fadeState, 1);

    EXPECT_EQ (runFade (fading, processed, GetParam().fadeLength, true, 2), GetParam().fadeLength + 1);
    EXPECT_EQ (fading.wetGain, 1.0f);
    EXPECT_EQ (fading.dryGain, 0.0f);
}

INSTANTIATE_TEST_SUITE_P (SampleRateClasses, TremoloFade,
                          ::testing::Values (FadeCase { 22050.0f, 1024 }, FadeCase { 44100.0f, 2048 },
                                             FadeCase { 96000.0f, 4096 }, FadeCase { 192000.0f, 8192 }));

TEST (TremoloFadeReversal, SwitchingBackOnMidFadeContinuesFromThePresentGains)
{
    DizadiSineWave module;
    prepare (module, 44100.0f, 4096);
    change (module, bypass, 0.0f);

    auto block = makeSine (1000, 200.0, 44100.0);
    module.process (block.data(), 1000);
    ASSERT_EQ (module.fadeState, 3);
    const float wetGain = module.wetGain;
    EXPECT_EQ (wetGain, 1.0f - 1000.0f / 2048.0f);

    change (module, bypass, 1.0f);
    EXPECT_EQ (module.fadeState, 1);
    EXPECT_EQ (module.wetGain, wetGain);

    // 1000 steps back up, then one more sample to leave the fade.
    module.process (block.data(), 1000);
    EXPECT_EQ (module.fadeState, 1);
    module.process (block.data(), 1);
    EXPECT_EQ (module.fadeState, 2);
}

TEST (TremoloFadeReversal, CalcTakesThePendingTransition)
{
    DizadiSineWave module;
    prepare (module);
    module.setParameter (bypass, 0.0f);
    EXPECT_EQ (module.fadeState, 2);

    module.calc();
    EXPECT_EQ (module.fadeState, 3);
}

TEST (TremoloForceCalc, SetsTheOnOffStateWithoutAFade)
{
    DizadiSineWave module;
    prepare (module);
    module.setParameter (bypass, 0.0f);
    module.forceCalcParams();
    EXPECT_EQ (module.fadeState, 0);
    EXPECT_EQ (module.dryGain, 1.0f);

    auto block = makeSine (512, 100.0, 44100.0);
    const auto dry = block;
    module.process (block.data(), 512);
    EXPECT_EQ (block, dry);
    EXPECT_EQ (module.oscillator.getPhase(), 0.0f);
    EXPECT_EQ (module.inputFilter.stateL, 0.0);

    module.setParameter (bypass, 1.0f);
    module.forceCalcParams();
    EXPECT_EQ (module.fadeState, 2);
    EXPECT_EQ (module.wetGain, 1.0f);
}

TEST (TremoloForceCalc, KeepsThePhaseAndFilterStatesRunning)
{
    DizadiSquareWave module, twin;
    prepare (module);
    prepare (twin);
    ASSERT_TRUE (processIdentically (module, twin, makeSine (3000, 150.0, 44100.0)));

    module.forceCalcParams();

    EXPECT_TRUE (processIdentically (module, twin, makeSine (3000, 250.0, 44100.0)));
}

TEST (TremoloForceCalc, ResetThenForceCalcRestartsLikeANewModule)
{
    DizadiTriangleWave used, fresh;
    used.setParameter (5, 0.9f);
    fresh.setParameter (5, 0.9f);
    prepare (used);
    prepare (fresh);

    auto warmUp = makeSine (5000, 80.0, 44100.0);
    used.process (warmUp.data(), 5000);
    used.reset();
    used.forceCalcParams();

    EXPECT_TRUE (processIdentically (used, fresh, makeSine (4000, 440.0, 44100.0)));
}

TEST (TremoloForceCalc, ResetKeepsTheStoredSettings)
{
    DizadiSineWave module;
    change (module, 2, 0.9f);
    prepare (module);
    module.reset();

    EXPECT_EQ (module.getParameter (2), 0.9f);
    EXPECT_EQ (module.oscillator.getFreq(), 0.0f);
    EXPECT_EQ (module.inputFilter.g, 0.0);
    EXPECT_EQ (module.fadeState, 2);

    module.forceCalcParams();
    EXPECT_EQ (module.inputFilter.frequency, 33.0f);
    EXPECT_EQ (module.outputFilter.frequency, 10.0f);
    EXPECT_EQ (module.lfoFilter.frequency, 100.0f);
    EXPECT_GT (module.oscillator.getFreq(), 10.0f);
}
