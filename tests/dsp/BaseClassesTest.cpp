#include "DizadiOsc.h"
#include "DspTestHelpers.h"
#include "ModuleModel.h"
#include "OnePoleLowpass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    /** Records the order in which reset() runs the two clearing steps. */
    struct ResetRecorder : public DspBase
    {
        void resetBuffer() override  { calls.push_back ("buffer"); }
        void resetCoeffs() override  { calls.push_back ("coeffs"); }

        std::vector<std::string> calls;
    };

    /** A module that only records what ModuleModel::processBlock asks of it. */
    struct RoutingProbe : public ModuleModel
    {
        void process (float* samples, int numSamples) override
        {
            ++monoCalls;

            for (int i = 0; i < numSamples; ++i)
                samples[i] *= 2.0f;
        }

        void process (float* left, float* right, int numSamples) override
        {
            ++stereoCalls;

            for (int i = 0; i < numSamples; ++i)
            {
                left[i] += 1.0f;
                right[i] -= 1.0f;
            }
        }

        void setParameter (int, float) override   {}
        void calcParameter (int) override         {}
        float getDefaultParameter (int) override  { return 0.0f; }
        juce::String getParameterName (int) override { return {}; }
        void forceCalcParams() override           {}

        int monoCalls = 0;
        int stereoCalls = 0;
    };
}

TEST (ClassNames, EachBlockReportsTheTextOfTheLastConstructorThatSetsOne)
{
    EXPECT_STREQ (OnePoleLowpass().getName(), "ModuleBase");
    EXPECT_STREQ (OnePoleHighpass().getName(), "ModuleBase");
    EXPECT_STREQ (DizadiOsc().getName(), "DspBase");
    EXPECT_STREQ (DizadiOscSquare().getName(), "DspBase");
    EXPECT_STREQ (DizadiOscTriangle().getName(), "DspBase");
    EXPECT_STREQ (RoutingProbe().getName(), "ModuleModel");
    EXPECT_STREQ (DizadiSineWave().getName(), "DizadiSineWave");
    EXPECT_STREQ (DizadiSquareWave().getName(), "DizadiSquareWave");
    EXPECT_STREQ (DizadiTriangleWave().getName(), "DizadiTriangleWave");
}

TEST (ClassNames, AMissingNameReadsAsEmptyText)
{
    ResetRecorder block;
    block.name = nullptr;
    EXPECT_STREQ (block.getName(), "");
}

TEST (DspBaseLifeCycle, ResetClearsSignalStateBeforeCoefficients)
{
    ResetRecorder block;
    block.reset();
    EXPECT_EQ (block.calls, (std::vector<std::string> { "buffer", "coeffs" }));
}

TEST (ModuleModelDefaults, AFreshModuleReportsTheGraphDefaults)
{
    RoutingProbe module;

    EXPECT_EQ (module.getBpm(), 120.0f);
    EXPECT_EQ (module.previousBpm, -1.0f);
    EXPECT_EQ (module.getExpectedSampleFrame(), 0);
    EXPECT_EQ (module.getInputsUsed(), 1);
    EXPECT_EQ (module.getOutputsUsed(), 1);
    EXPECT_EQ (module.getFloorId(), 0);
    EXPECT_EQ (module.getColumn(), 0);
    EXPECT_FALSE (module.isUiNeedsUpdate());
    EXPECT_FALSE (module.isContainer());
    EXPECT_EQ (module.getSampleRate(), 44100.0f);
}

TEST (ModuleModelDefaults, ParametersReadAsZeroWithoutAnArray)
{
    RoutingProbe module;

    ASSERT_EQ (module.getAllParameters(), nullptr);
    EXPECT_EQ (module.getParameter (0), 0.0f);
    EXPECT_EQ (module.getParameter (-1), 0.0f);
    EXPECT_EQ (module.getParameter (1000), 0.0f);
}

TEST (ModuleModelDefaults, UiFlagIsSetAndCleared)
{
    RoutingProbe module;
    module.requestUiNeedsUpdate();
    EXPECT_TRUE (module.isUiNeedsUpdate());
    module.clearUiNeedsUpdate();
    EXPECT_FALSE (module.isUiNeedsUpdate());
}

TEST (ModuleModelProcessBlock, OneInputProcessesInPlaceAndCopiesToTheOutput)
{
    RoutingProbe module;
    std::vector<float> input { 1.0f, 2.0f, 3.0f };
    std::vector<float> output (3, -7.0f);

    module.processBlock (input.data(), output.data(), 3);

    EXPECT_EQ (module.monoCalls, 1);
    EXPECT_EQ (module.stereoCalls, 0);
    EXPECT_EQ (input, (std::vector<float> { 2.0f, 4.0f, 6.0f }));
    EXPECT_EQ (output, input);
}

TEST (ModuleModelProcessBlock, TwoInputsAreProcessedAsALeftRightPair)
{
    RoutingProbe module;
    module.setInputsUsed (2);
    std::vector<float> left { 1.0f, 2.0f };
    std::vector<float> right { 5.0f, 6.0f };

    module.processBlock (left.data(), right.data(), 2);

    EXPECT_EQ (module.stereoCalls, 1);
    EXPECT_EQ (left, (std::vector<float> { 2.0f, 3.0f }));
    EXPECT_EQ (right, (std::vector<float> { 4.0f, 5.0f }));
}

TEST (ModuleModelProcessBlock, OtherInputCountsLeaveBothBuffersUntouched)
{
    for (int inputs : { 0, 3, -1 })
    {
        RoutingProbe module;
        module.setInputsUsed (inputs);
        std::vector<float> input { 1.0f, 2.0f };
        std::vector<float> output { 3.0f, 4.0f };

        module.processBlock (input.data(), output.data(), 2);

        EXPECT_EQ (module.monoCalls + module.stereoCalls, 0) << inputs;
        EXPECT_EQ (input, (std::vector<float> { 1.0f, 2.0f }));
        EXPECT_EQ (output, (std::vector<float> { 3.0f, 4.0f }));
    }
}

TEST (ModuleModelProcessBlock, ANegativeLengthCopiesNothing)
{
    RoutingProbe module;
    std::vector<float> input { 1.0f };
    std::vector<float> output { 3.0f };

    module.processBlock (input.data(), output.data(), -4);

    EXPECT_EQ (output[0], 3.0f);
}
