#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

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

    /** An active module's stereo chain, one sample at a time, on the reference LFO; the
        left channel is also the mono result. At "Level" 0.5 the output gain is exactly 1. */
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

                l = l * (1.0 - depth) + (l * m) * depth;
                r = r * (1.0 - depth) + (r * (1.0 - m)) * depth;
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

    bool sameBits (const std::vector<float>& a, const std::vector<float>& b)
    {
        return a.size() == b.size() && std::memcmp (a.data(), b.data(), a.size() * sizeof (float)) == 0;
    }

    /** Calls render (start, length) over numSamples in blocks, the block holding changeAt
        split there to call change(). */
    void renderInBlocks (int numSamples, int blockLength, int changeAt,
                         const std::function<void (int, int)>& render, const std::function<void()>& change)
    {
        for (int start = 0; start < numSamples;)
        {
            const int blockEnd = std::min (start + blockLength, numSamples);
            const int end = start < changeAt && changeAt < blockEnd ? changeAt : blockEnd;
            render (start, end - start);

            if (end == changeAt)
                change();

            start = end;
        }
    }

    template <typename Module>
    void expectRendersMatchTheReference (Wave wave)
    {
        // synced?, shape and rate, and the shape and rate changed to part-way
        const struct { bool synced; float slope, rate, newSlope, newRate; } settings[] = {
            { false, 0.5f, 0.5f, 0.1f, 0.9f }, { false, 0.0f, 1.0f, 1.0f, 0.3f }, { false, 0.8f, 0.0f, 0.3f, 1.0f },
            { true, 0.25f, 1.0f, 0.6f, 0.5f }, { true, 0.9f, 0.75f, 0.05f, 0.2f },
        };
        constexpr float sampleRate = 48000.0f, depthValue = 0.75f;
        constexpr int numSamples = 20000;

        for (const auto& s : settings)
            for (bool stereo : { false, true })
                for (int blockLength : { 1, 64, 333, 512 })
                {
                    SCOPED_TRACE (::testing::Message() << "slope " << s.slope << (s.synced ? " synced " : " free ") << s.rate
                                                       << (stereo ? " stereo" : " mono") << ", blocks of " << blockLength);
                    const int rateParameter = s.synced ? rateSyncIndex : rateIndex;
                    Module module;
                    module.setParameter (stereoModeIndex, stereo ? 1.0f : 0.0f);
                    module.setParameter (depthIndex, depthValue);
                    module.setParameter (slopeIndex, s.slope);
                    module.setParameter (syncOnIndex, s.synced ? 1.0f : 0.0f);
                    module.setParameter (rateParameter, s.rate);
                    module.setBpm (137.0f);
                    prepare (module, sampleRate, 512);

                    // The rate itself is not under test: the reference takes the module's increment.
                    ReferenceTremolo reference (wave, sampleRate, s.slope, (double) depthValue);
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
                        change (module, slopeIndex, s.newSlope);
                        change (module, rateParameter, s.newRate);
                        reference.lfo.slope = s.newSlope;
                        reference.lfo.increment = module.oscillator.increment;
                    });

                    EXPECT_TRUE (sameBits (left, expectedLeft));
                    EXPECT_TRUE (! stereo || sameBits (right, expectedRight));
                }
    }
}

TEST (LfoRendering, ModulesRenderTheReferenceBitForBit)
{
    expectRendersMatchTheReference<DizadiSineWave> (Wave::sine);
    expectRendersMatchTheReference<DizadiSquareWave> (Wave::square);
    expectRendersMatchTheReference<DizadiTriangleWave> (Wave::triangle);
}

TEST (LfoRendering, SineOscillatorMatchesTheReferenceAtEveryWrap)
{
    // Beyond the module's rates: a wrap every few values, a phase landing on exactly 1, and an
    // increment above 1 that leaves the phase growing after its single wrap.
    for (float increment : { 0.37f, 0.5f, 1.5f })
    {
        for (int blockLength : { 0, 1, 64, 333 })   // 0: one getOscSignal() call per value
        {
            DizadiOsc osc;
            osc.setSlope (0.3f);
            osc.increment = increment;
            ReferenceLfo reference { Wave::sine, 0.3f, increment };
            std::vector<float> values (4000), expected (4000);

            renderInBlocks (4000, std::max (1, blockLength), -1, [&] (int start, int length)
            {
                if (blockLength == 0)
                    values[(size_t) start] = osc.getOscSignal();
                else
                    osc.getOscSignals (values.data() + start, length);
            }, [] {});

            for (auto& value : expected)
                value = reference.next();

            EXPECT_TRUE (sameBits (values, expected)) << "increment " << increment << ", blocks of " << blockLength;
            EXPECT_EQ (osc.getPhase(), reference.phase);
        }
    }
}
