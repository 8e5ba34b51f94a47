#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace dsptest;

namespace
{
    enum { bypass, stereoMode, rate, rateSync, slope, depth, level, syncOn };

    /** One channel of a one-pole in double, for the reference chain. */
    struct ReferenceOnePole
    {
        ReferenceOnePole (double frequency, double sampleRate)
            : g (std::tan (pi * frequency / sampleRate)), norm (1.0 / (1.0 + g)) {}

        double lowpass (double x)
        {
            const double v = (g * x + state) * norm;
            state = (x - v) * g + v;
            return v;
        }

        double highpass (double x)  { return x - lowpass (x); }

        double g, norm, state = 0.0;
    };

    /** The module's signal chain at slope 0.5 and unity level, computed in
        double from its formulas; the LFO phase advances as a float, as in the
        module. */
    std::vector<float> referenceChain (const std::vector<float>& input, double sampleRate,
                                       float lfoFrequency, double depthValue)
    {
        ReferenceOnePole inputHighpass (33.0, sampleRate), lfoLowpass (100.0, sampleRate),
                         outputHighpass (10.0, sampleRate);
        const float increment = lfoFrequency / (float) sampleRate;
        float phase = 0.0f;
        std::vector<float> output;

        for (float sample : input)
        {
            const double x = inputHighpass.highpass (sample);
            const double m = lfoLowpass.lowpass (0.5 + 0.5 * std::cos (2.0 * pi * phase));
            phase += increment;

            if (phase >= 1.0f)
                phase -= 1.0f;

            output.push_back ((float) outputHighpass.highpass (x * (1.0 - depthValue) + x * m * depthValue));
        }

        return output;
    }

    std::vector<float> processMono (ModuleModel& module, std::vector<float> samples)
    {
        module.process (samples.data(), (int) samples.size());
        return samples;
    }
}

TEST (TremoloChain, MonoOutputMatchesTheChainComputedInDouble)
{
    for (float depthValue : { 0.0f, 0.5f, 1.0f })
    {
        DizadiSineWave module;
        module.setParameter (depth, depthValue);
        module.setParameter (rate, 0.8f);
        prepare (module, 48000.0f, 4096);

        const auto input = makeSine (9600, 220.0, 48000.0, 0.8);
        const auto expected = referenceChain (input, 48000.0, module.oscillator.getFreq(), depthValue);

        EXPECT_LT (maxDifference (processMono (module, input), expected), 2e-6) << "depth " << depthValue;
    }
}

TEST (TremoloChain, DefaultsSwingTheGainBetweenAboutHalfAndOne)
{
    DizadiSineWave module;
    prepare (module, 44100.0f, 512);
    ASSERT_EQ (module.fadeState, 2);

    // A 1 kHz tone passes the highpasses almost unchanged, so its envelope is
    // the tremolo gain.
    const auto input = makeSine (44100, 1000.0, 44100.0, 1.0);
    const auto output = processMono (module, input);
    float lowest = 2.0f, highest = 0.0f;

    for (int period = 10; period < 1000; ++period)
    {
        float peak = 0.0f;

        for (int i = 0; i < 44; ++i)
            peak = std::max (peak, std::abs (output[(size_t) (period * 44 + i)]));

        lowest = std::min (lowest, peak);
        highest = std::max (highest, peak);
    }

    EXPECT_NEAR (lowest, 0.5f, 0.02f);
    EXPECT_NEAR (highest, 1.0f, 0.02f);
    EXPECT_EQ (module.level.current, 1.0);
}

TEST (TremoloChain, AtFullDepthTheStartRisesFromNearSilence)
{
    DizadiSineWave module;
    module.setParameter (depth, 1.0f);
    prepare (module);
    module.reset();
    module.forceCalcParams();

    // A 1 kHz cosine starts at full amplitude and passes the highpasses.
    std::vector<float> input (882);

    for (size_t i = 0; i < input.size(); ++i)
        input[i] = (float) std::cos (2.0 * pi * 1000.0 * (double) i / 44100.0);

    const auto output = processMono (module, input);

    // The LFO starts at 1 but its smoothing filter starts from 0.
    EXPECT_LT (std::abs (output[0]), 0.01f);
    EXPECT_GT (*std::max_element (output.begin() + 441, output.end()), 0.8f);
}

TEST (TremoloChain, LevelGainsAreReachedByARampOfTheSampleRateClass)
{
    DizadiSineWave module;
    module.setParameter (depth, 0.0f);
    module.setParameter (level, 0.0f);
    prepare (module);
    EXPECT_EQ (module.level.current, 0.0);

    std::vector<float> block (2047, 0.0f);
    change (module, level, 1.0f);
    module.process (block.data(), 2047);
    EXPECT_LT (module.level.current, 2.0);
    module.process (block.data(), 1);
    EXPECT_EQ (module.level.current, 2.0);

    change (module, level, 0.5f);
    module.process (block.data(), 2047);
    module.process (block.data(), 1);
    EXPECT_EQ (module.level.current, 1.0);
}

TEST (TremoloChain, StereoModeInvertsTheRightModulationSoBothChannelsSumToTheUnmodulatedSignal)
{
    DizadiSquareWave stereo, unmodulated;
    stereo.setParameter (depth, 1.0f);
    stereo.setParameter (stereoMode, 1.0f);
    stereo.setParameter (rate, 0.7f);
    unmodulated.setParameter (depth, 0.0f);
    prepare (stereo);
    prepare (unmodulated);

    auto left = makeSine (8192, 300.0, 44100.0);
    auto right = left;
    stereo.process (left.data(), right.data(), 8192);
    const auto reference = processMono (unmodulated, makeSine (8192, 300.0, 44100.0));

    double leftEnergy = 0.0, rightEnergy = 0.0;

    for (size_t i = 0; i < left.size(); ++i)
    {
        ASSERT_NEAR (left[i] + right[i], reference[i], 1e-6) << i;
        leftEnergy += left[i] * left[i];
        rightEnergy += right[i] * right[i];
    }

    // Both channels carry signal: the right one is not merely a copy of the left.
    EXPECT_GT (leftEnergy, 10.0);
    EXPECT_GT (rightEnergy, 10.0);
}

TEST (TremoloChain, WithoutStereoModeBothChannelsMatchTheMonoPath)
{
    DizadiTriangleWave stereo, mono;
    prepare (stereo);
    prepare (mono);

    auto left = makeSine (4096, 500.0, 44100.0);
    auto right = makeSine (4096, 700.0, 44100.0);
    const auto monoLeft = left;
    stereo.process (left.data(), right.data(), 4096);

    EXPECT_EQ (left, processMono (mono, monoLeft));
}

TEST (TremoloChain, ZeroDepthIsTheSameForEveryWave)
{
    DizadiSineWave sine;
    DizadiSquareWave square;
    DizadiTriangleWave triangle;

    for (ModuleModel* module : std::initializer_list<ModuleModel*> { &sine, &square, &triangle })
    {
        module->setParameter (depth, 0.0f);
        module->setSampleRate (44100.0f);
        module->setExpectedSampleFrame (512);
        module->forceCalcParams();
    }

    const auto input = makeSine (2048, 440.0, 44100.0);
    const auto expected = processMono (sine, input);
    EXPECT_EQ (processMono (square, input), expected);
    EXPECT_EQ (processMono (triangle, input), expected);
}
