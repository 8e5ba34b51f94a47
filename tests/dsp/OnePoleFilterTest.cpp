#include "DspTestHelpers.h"
#include "OnePoleHighpass.h"
#include "OnePoleLowpass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace dsptest;

namespace
{
    /** Runs a filter over a sequence, one sample at a time. */
    template <typename Filter>
    std::vector<double> run (Filter& filter, const std::vector<double>& input)
    {
        std::vector<double> output (input);

        for (auto& sample : output)
            filter.process (sample);

        return output;
    }

    std::vector<double> sine (int numSamples, double frequency, double sampleRate)
    {
        std::vector<double> samples ((size_t) numSamples);

        for (int i = 0; i < numSamples; ++i)
            samples[(size_t) i] = std::sin (2.0 * pi * frequency * i / sampleRate);

        return samples;
    }

    template <typename Filter>
    Filter makeFilter (float frequency, float sampleRate)
    {
        Filter filter;
        filter.setSampleRate (sampleRate);
        filter.setFrequency (frequency);
        return filter;
    }
}

TEST (OnePoleFilter, CoefficientsArePrewarpedForTheStoredRate)
{
    auto filter = makeFilter<OnePoleLowpass> (100.0f, 44100.0f);

    const double expectedG = std::tan (pi * 100.0 / 44100.0);
    EXPECT_DOUBLE_EQ (filter.g, expectedG);
    EXPECT_DOUBLE_EQ (filter.norm, 1.0 / (1.0 + expectedG));
    EXPECT_EQ (filter.frequency, 100.0f);
}

TEST (OnePoleFilter, EachStepMatchesTheTrapezoidalIntegrator)
{
    auto lowpass = makeFilter<OnePoleLowpass> (1234.5f, 48000.0f);
    auto highpass = makeFilter<OnePoleHighpass> (1234.5f, 48000.0f);
    const double g = std::tan (1234.5 * pi / 48000.0);
    const double norm = 1.0 / (g + 1.0);

    std::mt19937 random (7);
    std::uniform_real_distribution<double> noise (-1.0, 1.0);
    double state = 0.0;

    for (int i = 0; i < 1000; ++i)
    {
        const double x = noise (random);
        const double v = (g * x + state) * norm;
        state = (x - v) * g + v;

        double low = x, high = x;
        lowpass.process (low);
        highpass.process (high);

        ASSERT_DOUBLE_EQ (low, v) << "sample " << i;
        ASSERT_DOUBLE_EQ (high, x - v) << "sample " << i;
    }
}

TEST (OnePoleFilter, ConstantInputSettlesAtOneThroughTheLowpassAndZeroThroughTheHighpass)
{
    auto lowpass = makeFilter<OnePoleLowpass> (100.0f, 44100.0f);
    auto highpass = makeFilter<OnePoleHighpass> (100.0f, 44100.0f);
    const std::vector<double> ones (20000, 1.0);

    EXPECT_NEAR (run (lowpass, ones).back(), 1.0, 1e-12);
    EXPECT_NEAR (run (highpass, ones).back(), 0.0, 1e-12);
}

TEST (OnePoleFilter, CutoffIsThreeDecibelsDownWithAQuarterTurnBetweenTheOutputs)
{
    constexpr double sampleRate = 48000.0, cutoff = 1000.0;
    auto lowpass = makeFilter<OnePoleLowpass> ((float) cutoff, (float) sampleRate);
    auto highpass = makeFilter<OnePoleHighpass> ((float) cutoff, (float) sampleRate);
    const auto input = sine (48000, cutoff, sampleRate);

    const auto low = measureComponent (run (lowpass, input), 4800, cutoff, sampleRate);
    const auto high = measureComponent (run (highpass, input), 4800, cutoff, sampleRate);

    EXPECT_NEAR (low.amplitude, std::sqrt (0.5), 1e-6);
    EXPECT_NEAR (high.amplitude, std::sqrt (0.5), 1e-6);
    EXPECT_NEAR (low.phase, -pi / 4.0, 1e-6);
    EXPECT_NEAR (high.phase, pi / 4.0, 1e-6);
}

TEST (OnePoleFilter, ResponseFollowsTheBilinearOnePoleAwayFromTheCutoff)
{
    constexpr double sampleRate = 48000.0, cutoff = 1000.0, probe = 6000.0;
    auto lowpass = makeFilter<OnePoleLowpass> ((float) cutoff, (float) sampleRate);
    const auto output = run (lowpass, sine (48000, probe, sampleRate));

    // The prewarped one-pole maps the analogue response onto tan (pi f / fs).
    const double ratio = std::tan (pi * probe / sampleRate) / std::tan (pi * cutoff / sampleRate);
    EXPECT_NEAR (measureComponent (output, 4800, probe, sampleRate).amplitude,
                 1.0 / std::sqrt (1.0 + ratio * ratio), 1e-6);
}

TEST (OnePoleFilter, TwoChannelsKeepSeparateStates)
{
    auto stereo = makeFilter<OnePoleHighpass> (33.0f, 44100.0f);
    auto left = makeFilter<OnePoleHighpass> (33.0f, 44100.0f);
    auto right = makeFilter<OnePoleHighpass> (33.0f, 44100.0f);

    for (int i = 0; i < 500; ++i)
    {
        double l = std::sin (i * 0.01), r = (i % 7) - 3.0;
        double expectedL = l, expectedR = r;
        stereo.process (l, r);
        left.process (expectedL);
        right.process (expectedR);

        ASSERT_EQ (l, expectedL);
        ASSERT_EQ (r, expectedR);
    }
}

TEST (OnePoleFilter, ANewSampleRateKeepsTheCoefficientsUntilTheNextFrequency)
{
    auto filter = makeFilter<OnePoleLowpass> (100.0f, 44100.0f);
    const double g = filter.g, norm = filter.norm;

    filter.setSampleRate (96000.0f);
    EXPECT_EQ (filter.g, g);
    EXPECT_EQ (filter.norm, norm);

    filter.setFrequency (100.0f);
    EXPECT_DOUBLE_EQ (filter.g, std::tan (pi * 100.0 / 96000.0));
}

TEST (OnePoleFilter, ClearedCoefficientsSilenceTheLowpassAndPassTheHighpass)
{
    auto lowpass = makeFilter<OnePoleLowpass> (100.0f, 44100.0f);
    auto highpass = makeFilter<OnePoleHighpass> (100.0f, 44100.0f);
    run (lowpass, { 1.0, -0.5, 0.25 });
    run (highpass, { 1.0, -0.5, 0.25 });

    lowpass.reset();
    highpass.reset();

    EXPECT_EQ (lowpass.frequency, 0.0f);
    EXPECT_EQ (lowpass.getSampleRate(), 44100.0f);
    EXPECT_EQ (run (lowpass, { 0.7, -0.3 }), (std::vector<double> { 0.0, 0.0 }));
    EXPECT_EQ (run (highpass, { 0.7, -0.3 }), (std::vector<double> { 0.7, -0.3 }));
    EXPECT_EQ (lowpass.stateL, 0.0);
    EXPECT_EQ (highpass.stateL, 0.0);
}
