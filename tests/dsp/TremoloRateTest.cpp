#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace dsptest;

namespace
{
    enum { bypass, stereoMode, rate, rateSync, slope, depth, level, syncOn };

    // Note lengths in beats of the 19 synced steps, 8/1 down to 1/32T.
    const float beatsOfStep[19] = { 32.0f, 16.0f, 8.0f, 4.0f, 3.0f, 2.0f, 1.333f, 1.5f, 1.0f, 0.6665f,
                                    0.75f, 0.5f, 0.333f, 0.375f, 0.25f, 0.1665f, 0.1875f, 0.125f, 0.083f };

    float syncedFrequency (float bpm, int step)
    {
        return 1.0f / ((60.0f / bpm) * beatsOfStep[step]);
    }

    struct TremoloRate : public ::testing::Test
    {
        TremoloRate()  { prepare (module); }

        float frequencyForSync (float value)
        {
            change (module, rateSync, value);
            return module.oscillator.getFreq();
        }

        void processOneBlock()
        {
            std::vector<float> block (64, 0.25f);
            module.process (block.data(), 64);
        }

        DizadiSineWave module;
    };
}

TEST_F (TremoloRate, FreeRateRunsFromTheFloorToTwentyHertz)
{
    EXPECT_NEAR (module.oscillator.getFreq(), (std::pow (5.445, 0.5) - 1.0) / 4.445 * 20.0, 1e-5);
    EXPECT_EQ (module.oscillator.increment, module.oscillator.getFreq() / 44100.0f);

    change (module, rate, 0.0f);
    EXPECT_EQ (module.oscillator.getFreq(), 0.01f);

    change (module, rate, 1.0f);
    EXPECT_NEAR (module.oscillator.getFreq(), 20.0f, 1e-4f);

    change (module, rate, -3.0f);
    EXPECT_EQ (module.oscillator.getFreq(), 0.01f);
}

TEST_F (TremoloRate, ARateChangeKeepsThePhaseRunning)
{
    processOneBlock();
    const float phase = module.oscillator.getPhase();
    ASSERT_GT (phase, 0.0f);

    change (module, rate, 0.9f);

    EXPECT_EQ (module.oscillator.getPhase(), phase);
}

TEST_F (TremoloRate, SyncedStepsFollowTheNoteTable)
{
    change (module, syncOn, 1.0f);

    EXPECT_FLOAT_EQ (frequencyForSync (0.0f), 1.0f / 16.0f);
    EXPECT_NEAR (frequencyForSync (0.5f), 1.0 / (0.5 * 0.6665), 1e-5);
    EXPECT_NEAR (frequencyForSync (1.0f), 1.0 / (0.5 * 0.083), 1e-4);
}

TEST_F (TremoloRate, AValueOnABoundStaysInTheLowerStepAndTheNextFloatMovesUp)
{
    change (module, syncOn, 1.0f);

    for (int k = 0; k < 18; ++k)
    {
        const float bound = (float) k / 18.0f;
        EXPECT_EQ (frequencyForSync (bound), syncedFrequency (120.0f, k)) << "step " << k;
        EXPECT_EQ (frequencyForSync (std::nextafter (bound, 1.0f)), syncedFrequency (120.0f, k + 1)) << "above step " << k;
    }

    EXPECT_EQ (frequencyForSync (1.0f), syncedFrequency (120.0f, 18));
}

TEST_F (TremoloRate, SyncValuesOutsideTheRangeTakeTheEndSteps)
{
    change (module, syncOn, 1.0f);

    EXPECT_EQ (frequencyForSync (-0.5f), syncedFrequency (120.0f, 0));
    EXPECT_EQ (frequencyForSync (7.0f), syncedFrequency (120.0f, 18));
    EXPECT_EQ (frequencyForSync (std::numeric_limits<float>::quiet_NaN()), syncedFrequency (120.0f, 18));
}

TEST_F (TremoloRate, TempoAppliesAtTheNextBlockOnlyWhileSynced)
{
    const float freeFrequency = module.oscillator.getFreq();
    module.setBpm (90.0f);
    processOneBlock();
    EXPECT_EQ (module.oscillator.getFreq(), freeFrequency);

    change (module, syncOn, 1.0f);
    change (module, rateSync, 8.0f / 18.0f);
    EXPECT_EQ (module.oscillator.getFreq(), syncedFrequency (90.0f, 8));

    module.setBpm (150.0f);
    EXPECT_EQ (module.getBpm(), 150.0f);
    EXPECT_EQ (module.oscillator.getFreq(), syncedFrequency (90.0f, 8));

    processOneBlock();
    EXPECT_EQ (module.oscillator.getFreq(), syncedFrequency (150.0f, 8));
    EXPECT_EQ (module.previousBpm, 150.0f);
}

TEST_F (TremoloRate, TempoIsTakenEvenWhileTheModuleIsOff)
{
    change (module, syncOn, 1.0f);
    module.setParameter (bypass, 0.0f);
    module.forceCalcParams();
    ASSERT_EQ (module.fadeState, 0);

    module.setBpm (60.0f);
    processOneBlock();

    EXPECT_EQ (module.oscillator.getFreq(), syncedFrequency (60.0f, 9));
    EXPECT_EQ (module.oscillator.getPhase(), 0.0f);
}

TEST_F (TremoloRate, UnusableTemposFallBackToTheLowestRate)
{
    change (module, syncOn, 1.0f);

    for (float bpm : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                       0.0f, -120.0f })
    {
        module.setBpm (bpm);
        processOneBlock();
        EXPECT_EQ (module.oscillator.getFreq(), 0.01f) << bpm;
        EXPECT_TRUE (std::isfinite (module.oscillator.getPhase())) << bpm;
    }

    module.setBpm (120.0f);
    processOneBlock();
    EXPECT_EQ (module.oscillator.getFreq(), syncedFrequency (120.0f, 9));
}

TEST (TremoloRateLimit, NoRateRunsFasterThanHalfTheSampleRate)
{
    DizadiTriangleWave module;
    prepare (module, 48000.0f);
    change (module, syncOn, 1.0f);
    change (module, rateSync, 1.0f);
    module.setBpm (1.0e7f);

    std::vector<float> block (4096, 0.5f);
    module.process (block.data(), 4096);

    EXPECT_EQ (module.oscillator.getFreq(), 24000.0f);
    EXPECT_LT (module.oscillator.getPhase(), 1.0f);

    for (float sample : block)
        ASSERT_LE (std::abs (sample), 1.0f);

    change (module, syncOn, 0.0f);
    change (module, rate, 50.0f);
    EXPECT_EQ (module.oscillator.getFreq(), 24000.0f);
}
