#include "DspTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace dsptest;

namespace
{
    enum { bypass, stereoMode, rate, rateSync, slope, depth, level, syncOn };

    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();

    /** Counts the messages a broadcaster delivers on the message thread. */
    struct MessageCounter : public juce::ActionListener
    {
        void actionListenerCallback (const juce::String& message) override
        {
            messages.add (message);
        }

        /** The module's noted messages sent, as its owner sends them, and delivered. */
        int deliveredCount (ModuleModel& module)
        {
            module.sendPendingMessages();
            deliverPendingMessages();
            return messages.size();
        }

        juce::StringArray messages;
    };

    const char* const stereoLayoutText = "ModuleViewController arrangeModelInputsOutputs";

    bool allFinite (const std::vector<float>& samples)
    {
        for (float sample : samples)
            if (! std::isfinite (sample))
                return false;

        return true;
    }
}

TEST (TremoloParameters, NamesAndDefaults)
{
    DizadiSineWave module;
    const char* const names[] = { "Bypass", "StereoMode", "Rate", "RateSync", "Slope", "Depth", "Level", "SyncOn" };
    const float defaults[] = { 1.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f };

    ASSERT_EQ (module.getParameterNum(), 8);

    for (int index = 0; index < 8; ++index)
    {
        EXPECT_EQ (module.getParameterName (index), juce::String (names[index]));
        EXPECT_EQ (module.getDefaultParameter (index), defaults[index]);
        EXPECT_EQ (module.getParameter (index), defaults[index]);
        EXPECT_EQ (module.getAllParameters()[index], defaults[index]);
    }

    EXPECT_EQ (module.levelGain, 1.0f);
    EXPECT_EQ (module.oscillator.slope, 0.5f);
}

TEST (TremoloParameters, ValuesAreStoredRawAndSwitchesTestAboveZero)
{
    DizadiSineWave module;
    module.setParameter (level, 0.75f);
    module.setParameter (depth, 1.5f);
    module.setParameter (syncOn, 0.001f);
    module.setParameter (stereoMode, -1.0f);

    EXPECT_EQ (module.getParameter (level), 0.75f);
    EXPECT_EQ (module.levelGain, 1.5f);
    EXPECT_EQ (module.level.target, 1.5);
    EXPECT_EQ (module.getParameter (depth), 1.5f);
    EXPECT_TRUE (module.syncOn);
    EXPECT_FALSE (module.stereoMode);

    module.setParameter (syncOn, 0.0f);
    module.setParameter (bypass, notANumber);
    EXPECT_FALSE (module.syncOn);
    EXPECT_FALSE (module.onFlag);
}

TEST (TremoloParameters, OutOfRangeIndicesChangeNothing)
{
    DizadiSineWave module, twin;
    prepare (module);
    prepare (twin);

    for (int index : { 8, -1, 100, std::numeric_limits<int>::min() })
    {
        module.setParameter (index, 0.9f);
        module.calcParameter (index);
        EXPECT_EQ (module.getParameterName (index), juce::String());
        EXPECT_EQ (module.getDefaultParameter (index), 0.0f);
        EXPECT_EQ (module.getParameter (index), 0.0f);
    }

    for (int index = 0; index < 8; ++index)
        EXPECT_EQ (module.getParameter (index), twin.getParameter (index));

    EXPECT_TRUE (processIdentically (module, twin, makeSine (2048, 440.0, 44100.0)));
}

TEST (TremoloParameters, NonFiniteValuesLeaveTheOutputFinite)
{
    for (int index = 0; index < 8; ++index)
    {
        for (float value : { notANumber, infinity, -infinity })
        {
            DizadiTriangleWave module;
            prepare (module);
            change (module, index, value);
            module.forceCalcParams();

            auto block = makeSine (4096, 440.0, 44100.0);
            module.process (block.data(), 4096);
            EXPECT_TRUE (allFinite (block)) << "index " << index << " value " << value;
        }
    }
}

TEST (TremoloParameters, NonFiniteShapeDepthAndLevelAreRefused)
{
    DizadiSineWave module;
    prepare (module);

    for (int index : { slope, depth, level })
    {
        module.setParameter (index, 0.25f);

        for (float value : { notANumber, infinity, -infinity })
            module.setParameter (index, value);

        EXPECT_EQ (module.getParameter (index), 0.25f) << index;
    }

    // A level whose doubled gain would overflow is refused as well.
    module.setParameter (level, std::numeric_limits<float>::max());
    EXPECT_EQ (module.getParameter (level), 0.25f);
    EXPECT_EQ (module.levelGain, 0.5f);
}

TEST (TremoloBlocks, ABlockLongerThanExpectedGrowsTheDryBuffers)
{
    DizadiSineWave module, twin;
    prepare (module, 44100.0f, 64);
    prepare (twin, 44100.0f, 1024);
    change (module, bypass, 0.0f);
    change (twin, bypass, 0.0f);

    auto left = makeSine (1000, 440.0, 44100.0), right = makeSine (1000, 660.0, 44100.0);
    auto twinLeft = left, twinRight = right;
    module.process (left.data(), right.data(), 1000);
    twin.process (twinLeft.data(), twinRight.data(), 1000);

    EXPECT_EQ (module.getExpectedSampleFrame(), 1000);
    EXPECT_EQ (left, twinLeft);
    EXPECT_EQ (right, twinRight);

    auto mono = makeSine (1500, 440.0, 44100.0);
    module.process (mono.data(), 1500);
    EXPECT_EQ (module.getExpectedSampleFrame(), 1500);
}

TEST (TremoloBlocks, ProcessingWorksWithoutAnAnnouncedLength)
{
    DizadiSineWave module;
    module.setSampleRate (44100.0f);
    module.forceCalcParams();
    change (module, bypass, 0.0f);

    auto block = makeSine (300, 440.0, 44100.0);
    module.process (block.data(), 300);
    EXPECT_EQ (module.getExpectedSampleFrame(), 300);
    EXPECT_TRUE (allFinite (block));
}

TEST (TremoloBlocks, NegativeLengthsAreEmptyBlocksAndIgnoredAnnouncements)
{
    DizadiSineWave module, twin;
    prepare (module, 44100.0f, 512);
    prepare (twin, 44100.0f, 512);
    change (module, bypass, 0.0f);
    change (twin, bypass, 0.0f);

    module.setExpectedSampleFrame (-1);
    EXPECT_EQ (module.getExpectedSampleFrame(), 512);

    std::vector<float> untouched { 0.5f, -0.5f };
    auto left = untouched, right = untouched;
    module.process (left.data(), -5);
    module.process (left.data(), right.data(), -5);
    module.processBlock (left.data(), right.data(), -5);
    module.setParameter (stereoMode, 1.0f);
    module.processBlock (left.data(), right.data(), -5);
    module.setParameter (stereoMode, 0.0f);
    EXPECT_EQ (left, untouched);
    EXPECT_EQ (right, untouched);

    EXPECT_TRUE (processIdentically (module, twin, makeSine (512, 440.0, 44100.0)));
}

TEST (TremoloProcessBlock, OneMonoInputLeavesTheProcessedChannelInBothBuffers)
{
    DizadiSineWave module, twin;
    prepare (module);
    prepare (twin);

    auto input = makeSine (1024, 440.0, 44100.0);
    std::vector<float> output (1024, 9.0f);
    auto expected = input;
    module.processBlock (input.data(), output.data(), 1024);
    twin.process (expected.data(), 1024);

    EXPECT_EQ (input, expected);
    EXPECT_EQ (output, expected);
}

TEST (TremoloProcessBlock, OneInputInStereoModeBecomesAPairWithOppositeModulation)
{
    DizadiSineWave module, twin;
    module.setParameter (stereoMode, 1.0f);
    twin.setParameter (stereoMode, 1.0f);
    module.setParameter (depth, 1.0f);
    twin.setParameter (depth, 1.0f);
    prepare (module);
    prepare (twin);

    auto input = makeSine (4096, 440.0, 44100.0);
    std::vector<float> output (4096, 9.0f);
    auto expectedLeft = input, expectedRight = input;
    module.processBlock (input.data(), output.data(), 4096);
    twin.process (expectedLeft.data(), expectedRight.data(), 4096);

    EXPECT_EQ (input, expectedLeft);
    EXPECT_EQ (output, expectedRight);
    EXPECT_NE (input, output);
}

TEST (TremoloProcessBlock, TwoInputsAreALeftRightPair)
{
    DizadiSquareWave module, twin;
    module.setInputsUsed (2);
    prepare (module);
    prepare (twin);

    auto left = makeSine (1024, 440.0, 44100.0), right = makeSine (1024, 550.0, 44100.0);
    auto expectedLeft = left, expectedRight = right;
    module.processBlock (left.data(), right.data(), 1024);
    twin.process (expectedLeft.data(), expectedRight.data(), 1024);

    EXPECT_EQ (left, expectedLeft);
    EXPECT_EQ (right, expectedRight);
}

TEST (TremoloProcessBlock, OtherInputCountsDoNothing)
{
    for (int inputs : { 0, 3, -2 })
    {
        DizadiSineWave module;
        module.setInputsUsed (inputs);
        prepare (module);

        const auto original = makeSine (256, 440.0, 44100.0);
        auto input = original, output = original;
        module.processBlock (input.data(), output.data(), 256);

        EXPECT_EQ (input, original) << inputs;
        EXPECT_EQ (output, original) << inputs;
        EXPECT_EQ (module.oscillator.getPhase(), 0.0f);
    }
}

TEST (TremoloStereoMessage, TheConstructorAnnouncesMonoOnce)
{
    DizadiSineWave module;
    EXPECT_FALSE (module.notifiedStereo);
    EXPECT_FALSE (module.effectiveStereo);

    MessageCounter counter;
    module.addActionListener (&counter);
    module.setParameter (stereoMode, 0.0f);
    prepare (module);
    EXPECT_EQ (counter.deliveredCount (module), 0);
    module.removeActionListener (&counter);
}

TEST (TremoloStereoMessage, EachChangeOfLayoutIsSentOnce)
{
    DizadiSineWave module;
    MessageCounter counter;
    module.addActionListener (&counter);

    module.setParameter (stereoMode, 1.0f);
    EXPECT_EQ (counter.deliveredCount (module), 1);
    EXPECT_EQ (counter.messages[0], stereoLayoutText);

    module.setParameter (stereoMode, 1.0f);
    module.forceCalcParams();
    EXPECT_EQ (counter.deliveredCount (module), 1);

    module.setParameter (stereoMode, 0.0f);
    EXPECT_EQ (counter.deliveredCount (module), 2);
    EXPECT_EQ (counter.messages[1], stereoLayoutText);

    module.removeActionListener (&counter);
}

TEST (TremoloStereoMessage, TwoInputsSendNothingAndPrimeTheNextAnnouncement)
{
    DizadiSineWave module;
    MessageCounter counter;
    module.addActionListener (&counter);
    module.setInputsUsed (2);

    module.setParameter (stereoMode, 1.0f);
    module.setParameter (stereoMode, 0.0f);
    EXPECT_EQ (counter.deliveredCount (module), 0);
    EXPECT_TRUE (module.notifiedStereo);

    // Back to one input, the next check finds mono announced as stereo.
    module.setInputsUsed (1);
    module.forceCalcParams();
    EXPECT_EQ (counter.deliveredCount (module), 1);
    EXPECT_FALSE (module.notifiedStereo);

    module.removeActionListener (&counter);
}
