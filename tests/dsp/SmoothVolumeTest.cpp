#include "SmoothVolume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
    double gainOfNextSample (SmoothVolume& volume)
    {
        double sample = 1.0;
        volume.process (sample);
        return sample;
    }

    int rampLengthAt (float sampleRate)
    {
        SmoothVolume volume;
        volume.setSampleRate (sampleRate);
        EXPECT_EQ (volume.rampLengthD, (double) volume.rampLength);
        return volume.rampLength;
    }

    float justBelow (float value)
    {
        return std::nextafter (value, 0.0f);
    }
}

TEST (SampleRateClass, EachThresholdStartsTheNextClass)
{
    EXPECT_EQ (rampLengthAt (justBelow (34050.0f)), 1024);
    EXPECT_EQ (rampLengthAt (34050.0f), 2048);
    EXPECT_EQ (rampLengthAt (justBelow (68000.0f)), 2048);
    EXPECT_EQ (rampLengthAt (68000.0f), 4096);
    EXPECT_EQ (rampLengthAt (justBelow (136000.0f)), 4096);
    EXPECT_EQ (rampLengthAt (136000.0f), 8192);
}

TEST (SampleRateClass, CommonAndOddRatesFallIntoTheirClasses)
{
    EXPECT_EQ (rampLengthAt (22050.0f), 1024);
    EXPECT_EQ (rampLengthAt (0.0f), 1024);
    EXPECT_EQ (rampLengthAt (44100.0f), 2048);
    EXPECT_EQ (rampLengthAt (48000.0f), 2048);
    EXPECT_EQ (rampLengthAt (96000.0f), 4096);
    EXPECT_EQ (rampLengthAt (192000.0f), 8192);
    EXPECT_EQ (rampLengthAt (std::numeric_limits<float>::quiet_NaN()), 8192);
    EXPECT_EQ (rampLengthAt (std::numeric_limits<float>::infinity()), 8192);
}

TEST (SmoothVolume, FirstCalcAppliesTheTargetFromTheFirstSample)
{
    SmoothVolume volume;
    volume.setSampleRate (44100.0f);
    volume.setValue (1.0f);
    volume.calc();

    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ (gainOfNextSample (volume), 1.0) << i;
}

TEST (SmoothVolume, LaterCalcRampsLinearlyAndLandsExactlyOnTheTarget)
{
    SmoothVolume volume;
    volume.setSampleRate (44100.0f);
    volume.setValue (1.0f);
    volume.calc();
    volume.setValue (0.0f);
    volume.calc();

    for (int i = 1; i < 2048; ++i)
        ASSERT_NEAR (gainOfNextSample (volume), 1.0 - i / 2048.0, 1e-12) << i;

    // The 2048th sample lands exactly on the target, and the gain stays there.
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ (gainOfNextSample (volume), 0.0);
}

TEST (SmoothVolume, TheRampLengthFollowsTheSampleRate)
{
    SmoothVolume volume;
    volume.setSampleRate (96000.0f);
    volume.setValue (0.5f);
    volume.calc();
    volume.setValue (2.0f);
    volume.calc();

    for (int i = 1; i < 4096; ++i)
        ASSERT_LT (gainOfNextSample (volume), 2.0) << i;

    EXPECT_EQ (gainOfNextSample (volume), 2.0);
}

TEST (SmoothVolume, BothChannelsGetTheSameGainFromOneStep)
{
    SmoothVolume volume;
    volume.setValue (1.0f);
    volume.calc();
    volume.setValue (0.0f);
    volume.calc();

    double left = 1.0, right = -2.0;
    volume.process (left, right);

    EXPECT_DOUBLE_EQ (left, 1.0 - 1.0 / 2048.0);
    EXPECT_DOUBLE_EQ (right, -2.0 * (1.0 - 1.0 / 2048.0));
    EXPECT_EQ (volume.counter, 1);
}

TEST (SmoothVolume, ANewCalcMidRampStartsFromThePresentGain)
{
    SmoothVolume volume;
    volume.setSampleRate (44100.0f);
    volume.setValue (0.0f);
    volume.calc();
    volume.setValue (1.0f);
    volume.calc();

    for (int i = 0; i < 1024; ++i)
        gainOfNextSample (volume);

    ASSERT_NEAR (volume.current, 0.5, 1e-12);
    volume.setValue (0.0f);
    volume.calc();

    EXPECT_NEAR (gainOfNextSample (volume), 0.5 - 0.5 / 2048.0, 1e-12);

    for (int i = 1; i < 2047; ++i)
        gainOfNextSample (volume);

    EXPECT_EQ (gainOfNextSample (volume), 0.0);
}

TEST (SmoothVolume, SetValueWithoutCalcChangesNothing)
{
    SmoothVolume volume;
    volume.setValue (1.0f);
    volume.calc();
    volume.setValue (0.25f);

    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ (gainOfNextSample (volume), 1.0);
}

TEST (SmoothVolume, ANewTargetDuringARampWaitsForCalc)
{
    SmoothVolume volume;
    volume.setValue (0.0f);
    volume.calc();
    volume.setValue (1.0f);
    volume.calc();

    for (int i = 0; i < 100; ++i)
        gainOfNextSample (volume);

    volume.setValue (0.25f);

    for (int i = 100; i < 2047; ++i)
        ASSERT_NEAR (gainOfNextSample (volume), (i + 1) / 2048.0, 1e-12) << i;

    EXPECT_EQ (gainOfNextSample (volume), 1.0);
    EXPECT_EQ (gainOfNextSample (volume), 1.0);

    volume.calc();
    EXPECT_NEAR (gainOfNextSample (volume), 1.0 - 0.75 / 2048.0, 1e-12);
}

TEST (SmoothVolume, AfterResetWithoutCalcTheGainIsZeroUntilTheRampCountRunsOut)
{
    SmoothVolume volume;
    volume.setSampleRate (44100.0f);
    volume.setValue (0.75f);
    volume.calc();
    volume.reset();

    for (int i = 1; i < 2048; ++i)
        ASSERT_EQ (gainOfNextSample (volume), 0.0) << i;

    EXPECT_EQ (gainOfNextSample (volume), 0.75);
}

TEST (SmoothVolume, ResetReturnsToTheFirstCalcJump)
{
    SmoothVolume volume;
    volume.setValue (1.0f);
    volume.calc();
    volume.setValue (0.3f);
    volume.calc();
    gainOfNextSample (volume);

    volume.reset();
    volume.calc();

    EXPECT_DOUBLE_EQ (gainOfNextSample (volume), (double) 0.3f);
}

TEST (SmoothVolume, ANewSampleRateLeavesARunningRampAlone)
{
    SmoothVolume volume;
    volume.setValue (1.0f);
    volume.calc();
    volume.setValue (0.0f);
    volume.calc();
    gainOfNextSample (volume);
    const double current = volume.current, step = volume.step;

    volume.setSampleRate (192000.0f);

    EXPECT_EQ (volume.current, current);
    EXPECT_EQ (volume.step, step);
    EXPECT_EQ (volume.counter, 1);
    EXPECT_EQ (volume.rampLength, 8192);
}
