#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

using namespace dsptest;

namespace
{
    enum { stereoModeIndex = 1, rateIndex, rateSyncIndex, slopeIndex, depthIndex, levelIndex, syncOnIndex };

    enum class Wave { sine, square, triangle };

    /** The three LFOs as they have always been rendered, one value per sample: any faster
        rendering in the library must give the same bits. */
    struct ReferenceLfo
    {
        float next()
        {
            const float p = phase;
            float value;

            if (wave == Wave::sine)
            {
                const float k = ((1.0f - slope) * 0.225424f) * 2.0f + (-0.225424f);
                float c = std::cos (6.2831855f * p);

                for (int pass = 0; pass < 3; ++pass)
                    c = ((c + c) * c + (-1.0f)) * k + c - k;

                value = c * 0.5f + 0.5f;
            }
            else if (wave == Wave::square)
            {
                value = slope * 0.7f + 0.15f > p ? 1.0f : 0.0f;
            }
            else
            {
                const float apex = slope * 0.9996f + 0.0002f;
                value = apex > p ? 1.0f - (1.0f / apex) * p : (p - apex) * (1.0f / (1.0f - apex));
            }

            phase = p + increment;

            if (phase >= 1.0f)
                phase -= 1.0f;

            return value;
        }

        Wave wave;
        float slope;
        float increment;
        float phase = 0.0f;
    };

    /** An active module's chain in stereo mode, one sample at a time, on the reference LFO.
        The left channel is also the mono result. At "Level" 0.5 the output gain is exactly 1. */
    struct ReferenceTremolo
    {
        ReferenceTremolo (Wave wave, float sampleRate, float slope, double depthValue)
            : lfo { wave, slope, 0.0f }, depth (depthValue)
        {
            inputFilter.setSampleRate (sampleRate);
            lfoFilter.setSampleRate (sampleRate);
            outputFilter.setSampleRate (sampleRate);
            lfoFilter.setFrequency (100.0f);
            inputFilter.setFrequency (33.0f);
            outputFilter.setFrequency (10.0f);
        }

        void process (float* left, float* right, int numSamples)
        {
            for (int i = 0; i < numSamples; ++i)
            {
                double l = (double) left[i], r = (double) right[i];
                inputFilter.process (l, r);

                double m = (double) lfo.next();
                lfoFilter.process (m);
                const double mRight = 1.0 - m;

                l = l * (1.0 - depth) + (l * m) * depth;
                r = r * (1.0 - depth) + (r * mRight) * depth;
                outputFilter.process (l, r);
                left[i] = (float) l;
                right[i] = (float) r;
            }
        }

        ReferenceLfo lfo;
        double depth;
        OnePoleHighpass inputFilter, outputFilter;
        OnePoleLowpass lfoFilter;
    };

    void expectSameBits (const std::vector<float>& actual, const std::vector<float>& expected)
    {
        ASSERT_EQ (actual.size(), expected.size());

        for (size_t i = 0; i < actual.size(); ++i)
            ASSERT_EQ (std::memcmp (&actual[i], &expected[i], sizeof (float)), 0) << "first difference at sample " << i;
    }

    /** Renders numSamples in blocks through render (start, length), splitting the block
        that holds changeAt there to call change(). */
    void renderInBlocks (int numSamples, int blockLength, int changeAt,
                         const std::function<void (int, int)>& render, const std::function<void()>& change)
    {
        for (int start = 0; start < numSamples; start += blockLength)
        {
            const int end = std::min (start + blockLength, numSamples);

            if (start <= changeAt && changeAt < end)
            {
                if (changeAt > start)
                    render (start, changeAt - start);

                change();
                render (changeAt, end - changeAt);
            }
            else
            {
                render (start, end - start);
            }
        }
    }

    /** A render's settings, and the shape and rate it changes to part-way. */
    struct Setting { const char* name; bool synced; float slope, rateValue, newSlope, newRateValue; };

    template <typename Module>
    void expectRendersMatchTheReference (Wave wave)
    {
        const Setting settings[] = {
            { "free, raised cosine, 6 Hz", false, 0.5f, 0.5f, 0.1f, 0.9f },
            { "free, bent low, 20 Hz", false, 0.0f, 1.0f, 1.0f, 0.3f },
            { "free, bent high, slowest", false, 0.8f, 0.0f, 0.3f, 1.0f },
            { "synced, 1/32T", true, 0.25f, 1.0f, 0.6f, 0.5f },
            { "synced, 1/16", true, 0.9f, 0.75f, 0.05f, 0.2f },
        };
        constexpr float sampleRate = 48000.0f;
        constexpr int numSamples = 20000;
        constexpr float depthValue = 0.75f;

        for (const auto& setting : settings)
        {
            for (bool stereo : { false, true })
            {
                for (int blockLength : { 1, 64, 333, 512 })
                {
                    SCOPED_TRACE (::testing::Message() << setting.name << (stereo ? ", stereo" : ", mono")
                                                       << ", blocks of " << blockLength);
                    const int rateParameter = setting.synced ? rateSyncIndex : rateIndex;

                    Module module;
                    module.setParameter (stereoModeIndex, stereo ? 1.0f : 0.0f);
                    module.setParameter (depthIndex, depthValue);
                    module.setParameter (slopeIndex, setting.slope);
                    module.setParameter (syncOnIndex, setting.synced ? 1.0f : 0.0f);
                    module.setParameter (rateParameter, setting.rateValue);
                    module.setBpm (137.0f);
                    prepare (module, sampleRate, 512);

                    // The rate itself is not under test: the reference takes the module's increment.
                    ReferenceTremolo reference (wave, sampleRate, setting.slope, (double) depthValue);
                    reference.lfo.increment = module.oscillator.increment;

                    auto left = makeSine (numSamples, 220.0, sampleRate, 0.8);
                    auto right = makeSine (numSamples, 330.0, sampleRate, 0.6);
                    auto expectedLeft = left, expectedRight = right;

                    renderInBlocks (numSamples, blockLength, 10007, [&] (int start, int length)
                    {
                        if (stereo)
                            module.process (left.data() + start, right.data() + start, length);
                        else
                            module.process (left.data() + start, length);

                        reference.process (expectedLeft.data() + start, expectedRight.data() + start, length);
                    },
                    [&]
                    {
                        change (module, slopeIndex, setting.newSlope);
                        change (module, rateParameter, setting.newRateValue);
                        reference.lfo.slope = setting.newSlope;
                        reference.lfo.increment = module.oscillator.increment;
                    });

                    expectSameBits (left, expectedLeft);

                    if (stereo)
                        expectSameBits (right, expectedRight);
                }
            }
        }
    }
}

TEST (LfoRendering, ModulesRenderTheReferenceBitForBit)
{
    expectRendersMatchTheReference<DizadiSineWave> (Wave::sine);
    expectRendersMatchTheReference<DizadiSquareWave> (Wave::square);
    expectRendersMatchTheReference<DizadiTriangleWave> (Wave::triangle);
}

TEST (LfoRendering, SineBlocksAndSingleValuesMatchTheReference)
{
    // Beyond the module's rates: a wrap every few samples, a phase landing on exactly 1,
    // and an increment above 1 that leaves the phase growing after its single wrap.
    constexpr int numValues = 4000;

    for (float slope : { 0.0f, 0.3f, 0.5f, 1.0f })
    {
        for (float increment : { 6.0f / 48000.0f, 0.37f, 0.5f, 1.5f })
        {
            // Block length 0: one getOscSignal() call per value.
            for (int blockLength : { 0, 1, 64, 333, 512 })
            {
                SCOPED_TRACE (::testing::Message() << "slope " << slope << ", increment " << increment
                                                   << ", blocks of " << blockLength);
                DizadiOsc osc;
                osc.setSlope (slope);
                osc.increment = increment;
                ReferenceLfo reference { Wave::sine, slope, increment };
                std::vector<float> values ((size_t) numValues), expected ((size_t) numValues);

                renderInBlocks (numValues, std::max (1, blockLength), 2000, [&] (int start, int length)
                {
                    if (blockLength == 0)
                        values[(size_t) start] = osc.getOscSignal();
                    else
                        osc.getOscSignals (values.data() + start, length);

                    for (int i = start; i < start + length; ++i)
                        expected[(size_t) i] = reference.next();
                },
                [&]
                {
                    osc.setSlope (1.0f - slope);
                    osc.increment = reference.increment = increment * 0.3f;
                    reference.slope = 1.0f - slope;
                });

                expectSameBits (values, expected);
                EXPECT_EQ (osc.getPhase(), reference.phase);
            }
        }
    }
}
