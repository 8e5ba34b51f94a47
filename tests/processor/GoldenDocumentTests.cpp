#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

// The documents are the contract with every preset and session users have saved: these files
// hold what the writers produce at known settings, byte for byte, and read back into them.
TEST (GoldenDocuments, WritersProduceTheFilesAndReadersTakeThemBack)
{
    const juce::String escapedPath ("Bass/Slow & \"Deep\" <1>.vpxp"), accentedPath (juce::String::fromUTF8 ("B\xc3\xa4nke/Pulse.vpxp"));
    const auto dataFile = [] (const char* name) { return juce::File (LUMIVER_PROCESSOR_TEST_DATA).getChildFile (name); };

    // Program 5 current with slot B active, values of every kind; paths that need escaping.
    LumiverPX2741AudioProcessor writer;
    writer.setPresetPath (2, 0, escapedPath);
    writer.setPresetPath (5, 1, accentedPath);
    writer.programs[2].activeChannel = 1;
    writer.programs[5].activeChannel = 1;
    writer.programs[5].slotParams[0][onBypassIndex] = 0.0f;
    writer.programs[5].slotParams[0][tremoloTypeIndex] = 1.0f;
    writer.setCurrentProgram (5);
    const float values[numParameters] = { 1.0f, 0.3f, 0.123456f, 0.52f, 0.25f, 0.75f, 0.6f, 1.0f, 0.0f };

    for (int k = 0; k < numParameters; ++k)
        writer.setParameter (k, values[k]);

    juce::MemoryBlock programState;
    writer.getCurrentProgramStateInformation (programState);
    const auto fullState = ProcessorTest::stateOf (writer);
    const auto presetFile = writer.writePreset (true).toString();   // as the preset menu writes it to disk

    // Host state blocks hold the XML text after the framework's 8-byte header, with a final zero.
    const std::pair<const char*, juce::MemoryBlock> documents[] = {
        { "KnownSettings.vpxp", { presetFile.toRawUTF8(), presetFile.getNumBytesAsUTF8() } },
        { "KnownSettingsFullState.xml", { static_cast<const char*> (fullState.getData()) + 8, fullState.getSize() - 9 } },
        { "KnownSettingsCurrentProgram.xml", { static_cast<const char*> (programState.getData()) + 8, programState.getSize() - 9 } },
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
