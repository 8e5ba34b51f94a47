#include "DizadiOsc.h"
#include "DizadiOscSquare.h"
#include "DizadiOscTriangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr double twoPi = 2.0 * 3.141592653589793;

    template <typename Osc>
    Osc makeOsc (float slope, float frequency, float sampleRate)
    {
        Osc osc;
        osc.setSampleRate (sampleRate);
        osc.setSlope (slope);
        osc.setFrequency (frequency);
        osc.calc();
        return osc;
    }

    /** The value of an oscillator at one phase, read without disturbing a running one. */
    template <typename Osc>
    float valueAt (Osc osc, float phase)
    {
        osc.setPhase (phase);
        return osc.getOscSignal();
    }

    /** The shaped sine in double: three passes of c -> (2c^2 - 1) k + c - k. */
    double shapedSineReference (double phase, double slope)
    {
        const double k = 0.225424 * (1.0 - 2.0 * slope);
        double c = std::cos (twoPi * phase);

        for (int pass = 0; pass < 3; ++pass)
            c = (2.0 * c * c - 1.0) * k + c - k;

        return 0.5 * c + 0.5;
    }
}

TEST (Oscillators, AStandingOscillatorGivesOneAtPhaseZero)
{
    DizadiOsc sine;
    DizadiOscSquare square;
    DizadiOscTriangle triangle;

    for (float slope : { 0.0f, 0.5f, 1.0f })
    {
        sine.setSlope (slope);
        square.setSlope (slope);
        triangle.setSlope (slope);

        for (int i = 0; i < 4; ++i)
        {
            EXPECT_FLOAT_EQ (sine.getOscSignal(), 1.0f);
            EXPECT_EQ (square.getOscSignal(), 1.0f);
            EXPECT_EQ (triangle.getOscSignal(), 1.0f);
        }
    }
}

TEST (Oscillators, IncrementIsFrequencyOverRateAndTakesEffectOnlyAtCalc)
{
    auto osc = makeOsc<DizadiOsc> (0.5f, 6.0f, 48000.0f);
    EXPECT_EQ (osc.increment, 6.0f / 48000.0f);

    osc.setFrequency (12.0f);
    osc.setSampleRate (96000.0f);
    EXPECT_EQ (osc.increment, 6.0f / 48000.0f);
    EXPECT_EQ (osc.getFreq(), 12.0f);

    osc.calc();
    EXPECT_EQ (osc.increment, 12.0f / 96000.0f);
}

TEST (Oscillators, RaisedCosineAtAQuarterOfTheRate)
{
    auto osc = makeOsc<DizadiOsc> (0.5f, 1.0f, 4.0f);
    const float expectedValues[] = { 1.0f, 0.5f, 0.0f, 0.5f, 1.0f, 0.5f };
    const float expectedPhases[] = { 0.25f, 0.5f, 0.75f, 0.0f, 0.25f, 0.5f };

    ASSERT_EQ (osc.shapeCoeff, 0.0f);

    for (int i = 0; i < 6; ++i)
    {
        EXPECT_NEAR (osc.getOscSignal(), expectedValues[i], 1e-6f) << i;
        EXPECT_EQ (osc.getPhase(), expectedPhases[i]) << i;
    }
}

TEST (Oscillators, ShapedSineFollowsItsDoublePrecisionFormula)
{
    for (float slope : { 0.0f, 0.2f, 0.5f, 0.8f, 1.0f })
    {
        auto osc = makeOsc<DizadiOsc> (slope, 1.0f, 1000.0f);

        for (int i = 0; i < 1000; ++i)
        {
            const double phase = osc.getPhase();
            const float value = osc.getOscSignal();
            ASSERT_NEAR (value, shapedSineReference (phase, slope), 2e-6) << "slope " << slope << " phase " << phase;
            ASSERT_GE (value, 0.0f);
            ASSERT_LE (value, 1.0f);
        }
    }
}

TEST (Oscillators, SineSlopeBendsTheWaveTowardsZeroOrOne)
{
    const DizadiOsc low = makeOsc<DizadiOsc> (0.0f, 0.0f, 44100.0f);
    const DizadiOsc high = makeOsc<DizadiOsc> (1.0f, 0.0f, 44100.0f);
    EXPECT_FLOAT_EQ (low.shapeCoeff, 0.225424f);
    EXPECT_FLOAT_EQ (high.shapeCoeff, -0.225424f);

    for (float phase : { 0.1f, 0.25f, 0.4f, 0.6f, 0.75f, 0.9f })
    {
        const double raisedCosine = 0.5 + 0.5 * std::cos (twoPi * phase);
        EXPECT_LT (valueAt (low, phase), raisedCosine - 0.01) << phase;
        EXPECT_GT (valueAt (high, phase), raisedCosine + 0.01) << phase;
    }

    // The ends of the swing stay where they are.
    EXPECT_NEAR (valueAt (low, 0.5f), 0.0f, 1e-6f);
    EXPECT_NEAR (valueAt (high, 0.5f), 0.0f, 1e-6f);
}

TEST (Oscillators, PulseIsHighExactlyBelowItsWidth)
{
    const auto narrow = makeOsc<DizadiOscSquare> (0.0f, 0.0f, 44100.0f);
    const auto wide = makeOsc<DizadiOscSquare> (1.0f, 0.0f, 44100.0f);
    ASSERT_EQ (narrow.pulseWidth, 0.15f);
    ASSERT_EQ (wide.pulseWidth, 0.85f);

    EXPECT_EQ (valueAt (narrow, std::nextafter (0.15f, 0.0f)), 1.0f);
    EXPECT_EQ (valueAt (narrow, 0.15f), 0.0f);
    EXPECT_EQ (valueAt (narrow, 0.99f), 0.0f);
    EXPECT_EQ (valueAt (wide, std::nextafter (0.85f, 0.0f)), 1.0f);
    EXPECT_EQ (valueAt (wide, 0.85f), 0.0f);
}

TEST (Oscillators, PulseDutyCycleFollowsTheSlope)
{
    for (float slope : { 0.0f, 0.5f, 1.0f })
    {
        auto osc = makeOsc<DizadiOscSquare> (slope, 1.0f, 1000.0f);
        int high = 0;

        for (int i = 0; i < 10000; ++i)
            high += osc.getOscSignal() == 1.0f ? 1 : 0;

        EXPECT_NEAR (high / 10000.0, 0.15 + 0.7 * slope, 0.002) << slope;
    }
}

TEST (Oscillators, TriangleFallsToItsApexAndRisesBack)
{
    const auto symmetric = makeOsc<DizadiOscTriangle> (0.5f, 0.0f, 44100.0f);
    ASSERT_EQ (symmetric.apex, 0.5f);

    EXPECT_EQ (valueAt (symmetric, 0.0f), 1.0f);
    EXPECT_EQ (valueAt (symmetric, 0.25f), 0.5f);
    EXPECT_EQ (valueAt (symmetric, 0.5f), 0.0f);
    EXPECT_EQ (valueAt (symmetric, 0.75f), 0.5f);
    EXPECT_NEAR (valueAt (symmetric, std::nextafter (1.0f, 0.0f)), 1.0f, 1e-6f);

    const auto late = makeOsc<DizadiOscTriangle> (1.0f, 0.0f, 44100.0f);
    EXPECT_FLOAT_EQ (late.apex, 0.9998f);
    EXPECT_NEAR (valueAt (late, 0.4999f), 0.5f, 1e-4f);
    EXPECT_EQ (valueAt (late, late.apex), 0.0f);

    const auto early = makeOsc<DizadiOscTriangle> (0.0f, 0.0f, 44100.0f);
    EXPECT_FLOAT_EQ (early.apex, 0.0002f);
    EXPECT_NEAR (valueAt (early, 0.5001f), 0.5f, 1e-4f);
}

TEST (Oscillators, TriangleStaysWithinZeroAndOneOverACycle)
{
    for (float slope : { 0.0f, 0.3f, 1.0f })
    {
        auto osc = makeOsc<DizadiOscTriangle> (slope, 3.0f, 44100.0f);

        for (int i = 0; i < 44100; ++i)
        {
            const float value = osc.getOscSignal();
            ASSERT_GE (value, 0.0f);
            ASSERT_LE (value, 1.0f + 1e-6f);
        }
    }
}

TEST (Oscillators, PhaseWrapsOnceAtOne)
{
    DizadiOscTriangle osc;
    osc.setSlope (0.5f);
    osc.increment = 0.375f;

    std::vector<float> phases;

    for (int i = 0; i < 6; ++i)
    {
        osc.getOscSignal();
        phases.push_back (osc.getPhase());
    }

    EXPECT_EQ (phases, (std::vector<float> { 0.375f, 0.75f, 0.125f, 0.5f, 0.875f, 0.25f }));

    // An increment of one or more is wrapped only once per sample.
    osc.setPhase (0.0f);
    osc.increment = 1.5f;
    osc.getOscSignal();
    EXPECT_EQ (osc.getPhase(), 0.5f);
    osc.getOscSignal();
    EXPECT_EQ (osc.getPhase(), 1.0f);
}

TEST (Oscillators, PhaseStaysInTheCycleOverALongRun)
{
    auto osc = makeOsc<DizadiOsc> (0.5f, 20.0f, 44100.0f);

    for (int i = 0; i < 10 * 44100; ++i)
    {
        osc.getOscSignal();
        ASSERT_GE (osc.getPhase(), 0.0f);
        ASSERT_LT (osc.getPhase(), 1.0f);
    }
}

TEST (Oscillators, ResetStopsAtPhaseZeroButKeepsTheShape)
{
    auto osc = makeOsc<DizadiOscTriangle> (0.25f, 5.0f, 44100.0f);
    osc.setAmplitude (0.3f);
    const float apex = osc.apex;

    for (int i = 0; i < 1000; ++i)
        osc.getOscSignal();

    osc.reset();

    EXPECT_EQ (osc.getPhase(), 0.0f);
    EXPECT_EQ (osc.increment, 0.0f);
    EXPECT_EQ (osc.getFreq(), 0.0f);
    EXPECT_EQ (osc.getAmplitude(), 1.0f);
    EXPECT_EQ (osc.slope, 0.25f);
    EXPECT_EQ (osc.apex, apex);
    EXPECT_EQ (osc.getOscSignal(), 1.0f);
    EXPECT_EQ (osc.getOscSignal(), 1.0f);
}

TEST (Oscillators, AmplitudeIsStoredButNotApplied)
{
    auto osc = makeOsc<DizadiOscSquare> (0.5f, 1.0f, 100.0f);
    osc.setAmplitude (0.25f);
    EXPECT_EQ (osc.getAmplitude(), 0.25f);
    EXPECT_EQ (osc.getOscSignal(), 1.0f);
}
