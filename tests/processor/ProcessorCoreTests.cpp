#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ProcessorTest;

namespace
{
    const float defaultValues[numParameters] = { 1.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f };
    const char* const keys[numParameters] = { "onBypass", "tremoloType", "rate", "rateSync", "shape",
                                              "depth", "level", "stereo", "sync" };
}

TEST (ProcessorCore, FreshProcessorAnswersItsTables)
{
    LumiverPX2741AudioProcessor processor;

    EXPECT_EQ (processor.getName(), "Lumiver PX2741");
    EXPECT_EQ (processor.getNumParameters(), 9);
    EXPECT_EQ (processor.getNumPrograms(), 12);
    EXPECT_EQ (processor.getCurrentProgram(), 0);

    for (int k = 0; k < numParameters; ++k)
    {
        EXPECT_EQ (processor.getParameterName (k), keys[k]);
        EXPECT_EQ (processor.getParameter (k), defaultValues[k]);
        EXPECT_EQ (processor.getParameterDefaultValue (k), defaultValues[k]);
    }

    for (int program = 0; program < 12; ++program)
    {
        EXPECT_EQ (processor.getProgramName (program), "Init");
        EXPECT_EQ (processor.programs[program].presetPath[1], "Init.vpxp");
    }

    EXPECT_EQ (processor.getParameterText (2), "5.00");
    EXPECT_EQ (processor.getParameterText (0), "On");
    EXPECT_EQ (processor.getParameterText (1), "Type 1");
    EXPECT_FALSE (processor.parametersChanged || processor.programChanged || processor.slotChanged);

    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (processor.hasEditor());
    EXPECT_EQ (processor.getInputChannelName (0), "1");
    EXPECT_EQ (processor.getOutputChannelName (1), "2");
    EXPECT_TRUE (processor.isInputChannelStereoPair (5));
}

TEST (ProcessorCore, OutOfRangeIndicesAreNeutral)
{
    LumiverPX2741AudioProcessor processor;

    processor.setParameter (9, 0.3f);
    processor.setParameter (-1, 0.3f);

    EXPECT_FALSE (processor.parametersChanged);
    EXPECT_EQ (processor.getParameter (9), 0.0f);
    EXPECT_EQ (processor.getParameter (-1), 0.0f);
    EXPECT_EQ (processor.getParameterName (9), "");
    EXPECT_EQ (processor.getParameterText (9), "");
    EXPECT_EQ (processor.getParameterDefaultValue (-3), 0.0f);
    EXPECT_EQ (processor.getProgramName (12), "");
    EXPECT_EQ (processor.getProgramName (-1), "");

    for (int k = 0; k < numParameters; ++k)
        EXPECT_EQ (processor.currentParams[k].load(), defaultValues[k]);
}

TEST (ProcessorCore, DisplayTexts)
{
    EXPECT_EQ (ParameterTable::getDisplayText (1, 0.0f), "Type 1");
    EXPECT_EQ (ParameterTable::getDisplayText (1, -0.2f), "Type 1");
    EXPECT_EQ (ParameterTable::getDisplayText (1, 0.5f), "Type 2");
    EXPECT_EQ (ParameterTable::getDisplayText (1, 0.51f), "Type 3");
    EXPECT_EQ (ParameterTable::getDisplayText (1, 1.0f), "Type 3");
    EXPECT_EQ (ParameterTable::getDisplayText (1, std::numeric_limits<float>::quiet_NaN()), "Type 3");

    for (int k : { 0, 7, 8 })
    {
        EXPECT_EQ (ParameterTable::getDisplayText (k, 0.0f), "Off");
        EXPECT_EQ (ParameterTable::getDisplayText (k, -0.5f), "On");
        EXPECT_EQ (ParameterTable::getDisplayText (k, 0.001f), "On");
        EXPECT_EQ (ParameterTable::getDisplayText (k, std::numeric_limits<float>::quiet_NaN()), "On");
    }

    EXPECT_EQ (ParameterTable::getDisplayText (5, 0.123f), "1.23");
    EXPECT_EQ (ParameterTable::getDisplayText (6, 1.0f), "10.00");
}

TEST (ProcessorCore, WaveTypeIsTheCeilingOfTwiceTheValue)
{
    EXPECT_EQ (ParameterTable::getWaveType (0.0f), 0);
    EXPECT_EQ (ParameterTable::getWaveType (0.01f), 1);
    EXPECT_EQ (ParameterTable::getWaveType (0.5f), 1);
    EXPECT_EQ (ParameterTable::getWaveType (0.51f), 2);
    EXPECT_EQ (ParameterTable::getWaveType (1.0f), 2);
    EXPECT_EQ (ParameterTable::getWaveType (1.2f), 3);
    EXPECT_EQ (ParameterTable::getWaveType (-0.5f), -1);
    EXPECT_EQ (ParameterTable::getWaveType (std::numeric_limits<float>::quiet_NaN()), -1);
    EXPECT_EQ (ParameterTable::getWaveType (1.0e30f), -1);
}

TEST (ProcessorCore, SetParameterStoresIntoActiveSlotAndLiveValues)
{
    LumiverPX2741AudioProcessor processor;
    processor.currentProgram = 4;
    processor.programs[4].activeChannel = 1;

    processor.setParameter (5, 0.8f);

    EXPECT_EQ (processor.programs[4].slotParams[1][5].load(), 0.8f);
    EXPECT_EQ (processor.programs[4].slotParams[0][5].load(), 0.5f);
    EXPECT_EQ (processor.programs[0].slotParams[0][5].load(), 0.5f);
    EXPECT_EQ (processor.currentParams[5].load(), 0.8f);
    EXPECT_TRUE (processor.parametersChanged);
    EXPECT_FALSE (processor.programChanged);
    EXPECT_FALSE (processor.slotChanged);

    // Values are stored unclamped.
    processor.setParameter (2, 1.7f);
    EXPECT_EQ (processor.getParameter (2), 1.7f);
}

TEST (ProcessorCore, SlotSwitchIsSeenByGetParameterButNotByTheText)
{
    LumiverPX2741AudioProcessor processor;
    processor.setParameter (2, 0.2f);
    processor.programs[0].slotParams[1][2] = 0.9f;

    processor.programs[0].activeChannel = 1;

    EXPECT_EQ (processor.getParameter (2), 0.9f);
    EXPECT_EQ (processor.getParameterText (2), "2.00");
}

TEST (ProcessorCore, NonFiniteValuesAreRefused)
{
    LumiverPX2741AudioProcessor processor;

    for (float bad : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity() })
        for (int k = 0; k < numParameters; ++k)
            processor.setParameter (k, bad);

    EXPECT_FALSE (processor.parametersChanged);
    runMessageLoop (80);
    EXPECT_FALSE (processor.typeChangePending);

    for (int k = 0; k < numParameters; ++k)
    {
        EXPECT_EQ (processor.getParameter (k), defaultValues[k]);
        EXPECT_EQ (processor.currentParams[k].load(), defaultValues[k]);
    }
}

TEST (ProcessorCore, SetCurrentProgramNotifiesTheActiveSlotInOrder)
{
    LumiverPX2741AudioProcessor processor;
    ParameterRecorder recorder;
    processor.addListener (&recorder);

    processor.setCurrentProgram (12);
    processor.setCurrentProgram (-1);
    EXPECT_TRUE (recorder.changes.empty());
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_FALSE (processor.programChanged);

    processor.programs[3].activeChannel = 1;

    for (int k = 0; k < numParameters; ++k)
        processor.programs[3].slotParams[1][k] = 0.1f * (float) k;

    processor.setCurrentProgram (3);

    ASSERT_EQ (recorder.changes.size(), (size_t) numParameters);

    for (int k = 0; k < numParameters; ++k)
    {
        EXPECT_EQ (recorder.changes[(size_t) k].first, k);
        EXPECT_EQ (recorder.changes[(size_t) k].second, 0.1f * (float) k);
        EXPECT_EQ (processor.currentParams[k].load(), 0.1f * (float) k);
    }

    EXPECT_EQ (processor.getCurrentProgram(), 3);
    EXPECT_TRUE (processor.programChanged && processor.parametersChanged && processor.slotChanged);
    processor.removeListener (&recorder);
}

TEST (ProcessorCore, ProgramNameAndActivePresetPathFollowTheActiveSlot)
{
    LumiverPX2741AudioProcessor processor;
    processor.setPresetPath (2, 0, "Bank/Slow Pulse.vpxp");
    processor.setPresetPath (2, 1, "Other.vpxp");
    processor.setPresetPath (12, 0, "Ignored.vpxp");
    processor.setPresetPath (2, 2, "Ignored.vpxp");

    EXPECT_EQ (processor.getProgramName (2), "Slow Pulse");
    processor.programs[2].activeChannel = 1;
    EXPECT_EQ (processor.getProgramName (2), "Other");
    EXPECT_EQ (processor.getPresetPath (2, 2), "");
    EXPECT_EQ (processor.getPresetPath (-1, 0), "");

    processor.currentProgram = 2;
    EXPECT_EQ (processor.getActivePresetPath(), "Other.vpxp");
    processor.setActivePresetPath ("Pads/Mellow.vpxp");
    EXPECT_EQ (processor.getPresetPath (2, 1), "Pads/Mellow.vpxp");
    EXPECT_EQ (processor.getPresetPath (2, 0), "Bank/Slow Pulse.vpxp");

    processor.changeProgramName (2, "Renamed");
    EXPECT_EQ (processor.getProgramName (2), "Mellow");
}

TEST (ProcessorCore, TypeChangeIsTakenOnceAfterTheLastChangeHasRested)
{
    LumiverPX2741AudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    runMessageLoop (30);

    const auto start = juce::Time::getMillisecondCounter();
    processor.setParameter (1, 0.5f);
    runMessageLoop (20);
    const auto secondChange = juce::Time::getMillisecondCounter();
    processor.setParameter (1, 1.0f);
    runMessageLoop (20);
    const auto lastChange = juce::Time::getMillisecondCounter();
    processor.setParameter (1, 0.5f);

    // On a machine too loaded to keep the changes within 50 ms of each other
    // an earlier one may rightly be taken; only the final request is checked then.
    const bool changesKeptComing = secondChange - start < 45 && lastChange - secondChange < 45;

    // Within 50 ms of each change nothing has been taken.
    runMessageLoop (30);

    if (changesKeptComing && juce::Time::getMillisecondCounter() - lastChange < 50)
    {
        EXPECT_FALSE (processor.typeChangePending);
        EXPECT_EQ (processor.requestedType.load(), 0);
    }

    ASSERT_TRUE (waitForTypeRequest (processor));
    const auto taken = juce::Time::getMillisecondCounter();
    EXPECT_LT (taken - lastChange, 1000u);

    if (changesKeptComing)
    {
        EXPECT_GE (taken - lastChange, 50u);
        EXPECT_GT (taken - start, 90u);
    }

    EXPECT_EQ (processor.requestedType.load(), 1);

    // The same type again is no new request.
    processor.typeChangePending = false;
    processor.setParameter (1, 0.4f);
    runMessageLoop (120);
    EXPECT_FALSE (processor.typeChangePending);
}
