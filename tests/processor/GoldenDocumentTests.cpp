#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

// The documents are the contract with every preset and session users have saved: these files
// hold what the writers produce at known settings, byte for byte, and read back into them.

namespace
{
    const juce::String escapedPath ("Bass/Slow & \"Deep\" <1>.vpxp");
    const juce::String accentedPath (juce::String::fromUTF8 ("B\xc3\xa4nke/Pulse.vpxp"));

    juce::File dataFile (const char* name)
    {
        return juce::File (LUMIVER_PROCESSOR_TEST_DATA).getChildFile (name);
    }

    /** The XML text of a host state block, without the framework's header and final zero. */
    juce::MemoryBlock textOf (const juce::MemoryBlock& block)
    {
        return { static_cast<const char*> (block.getData()) + 8, block.getSize() - 9 };
    }

    /** Program 5 current with slot B active, values of every kind; paths that need escaping. */
    void applyKnownSettings (LumiverPX2741AudioProcessor& processor)
    {
        processor.setPresetPath (2, 0, escapedPath);
        processor.setPresetPath (5, 1, accentedPath);
        processor.programs[2].activeChannel = 1;
        processor.programs[5].activeChannel = 1;
        processor.programs[5].slotParams[0][onBypassIndex] = 0.0f;
        processor.programs[5].slotParams[0][tremoloTypeIndex] = 1.0f;
        processor.setCurrentProgram (5);

        const float values[numParameters] = { 1.0f, 0.3f, 0.123456f, 0.52f, 0.25f, 0.75f, 0.6f, 1.0f, 0.0f };

        for (int k = 0; k < numParameters; ++k)
            processor.setParameter (k, values[k]);
    }
}

TEST (GoldenDocuments, WritersProduceTheFilesAndReadersTakeThemBack)
{
    LumiverPX2741AudioProcessor writer;
    applyKnownSettings (writer);
    juce::MemoryBlock programState;
    writer.getCurrentProgramStateInformation (programState);
    const auto presetFile = writer.writePreset (true).toString();   // as the preset menu writes it to disk

    const std::pair<const char*, juce::MemoryBlock> documents[] = {
        { "KnownSettings.vpxp", { presetFile.toRawUTF8(), presetFile.getNumBytesAsUTF8() } },
        { "KnownSettingsFullState.xml", textOf (ProcessorTest::stateOf (writer)) },
        { "KnownSettingsCurrentProgram.xml", textOf (programState) },
    };

    for (const auto& [name, written] : documents)
    {
        juce::MemoryBlock golden;
        ASSERT_TRUE (dataFile (name).loadFileAsData (golden)) << name;
        EXPECT_TRUE (written == golden) << name;
    }

    // Read back, with type and rate-sync on their steps and five decimals.
    LumiverPX2741AudioProcessor reader;
    const auto expectKnownSlot = [&reader] (int program, int slot)
    {
        const float expected[numParameters] = { 1.0f, 0.5f, 0.12346f, 10.0f / 18.0f, 0.25f, 0.75f, 0.6f, 1.0f, 0.0f };

        for (int k = 0; k < numParameters; ++k)
            EXPECT_EQ (reader.programs[program].slotParams[slot][k].load(), expected[k]) << program << "/" << slot << "/" << k;
    };

    EXPECT_EQ (reader.readPreset (juce::parseXML (dataFile ("KnownSettings.vpxp")), true), presetLoaded);
    expectKnownSlot (0, 0);

    reader.readPreset (juce::parseXML (dataFile ("KnownSettingsFullState.xml")), false);
    EXPECT_EQ (reader.getCurrentProgram(), 5);
    EXPECT_EQ (reader.programs[2].activeChannel.load(), 1);
    EXPECT_EQ (reader.getPresetPath (2, 0), escapedPath);
    EXPECT_EQ (reader.programs[5].slotParams[0][tremoloTypeIndex].load(), 1.0f);
    EXPECT_EQ (reader.programs[5].activeChannel.load(), 1);
    expectKnownSlot (5, 1);

    for (int k = 0; k < numParameters; ++k)
        EXPECT_EQ (reader.currentParams[k].load(), reader.programs[5].slotParams[1][k].load()) << k;

    reader.setCurrentProgram (9);
    EXPECT_TRUE (reader.readCurrentProgram (juce::parseXML (dataFile ("KnownSettingsCurrentProgram.xml"))));
    EXPECT_EQ (reader.getPresetPath (9, 1), accentedPath);
    EXPECT_EQ (reader.programs[9].activeChannel.load(), 1);
    expectKnownSlot (9, 1);
}
