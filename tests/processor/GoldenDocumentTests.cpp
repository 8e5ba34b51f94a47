#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <functional>

// The documents' vocabulary is the contract with every preset and session
// users have saved: these files hold what the writers produce at known
// settings, byte for byte, and are read back into those settings.

namespace
{
    juce::File dataFile (const char* name)
    {
        return juce::File (LUMIVER_PROCESSOR_TEST_DATA).getChildFile (name);
    }

    /** Program 5 current with slot B active; values of every kind, paths that need escaping. */
    void applyKnownSettings (LumiverPX2741AudioProcessor& processor)
    {
        processor.setPresetPath (2, 0, "Bass/Slow & \"Deep\" <1>.vpxp");
        processor.setPresetPath (5, 1, juce::String::fromUTF8 ("B\xc3\xa4nke/Pulse.vpxp"));
        processor.programs[2].activeChannel = 1;
        processor.programs[5].activeChannel = 1;
        processor.programs[5].slotParams[0][onBypassIndex] = 0.0f;
        processor.programs[5].slotParams[0][tremoloTypeIndex] = 1.0f;
        processor.setCurrentProgram (5);

        const float values[numParameters] = { 1.0f, 0.3f, 0.123456f, 0.52f, 0.25f, 0.75f, 0.6f, 1.0f, 0.0f };

        for (int k = 0; k < numParameters; ++k)
            processor.setParameter (k, values[k]);
    }

    /** The known settings as read back: type and rate-sync on their steps, five decimals. */
    void expectKnownSlot (LumiverPX2741AudioProcessor& processor, int program, int slot)
    {
        const float expected[numParameters] = { 1.0f, 0.5f, 0.12346f, 10.0f / 18.0f, 0.25f, 0.75f, 0.6f, 1.0f, 0.0f };

        for (int k = 0; k < numParameters; ++k)
            EXPECT_EQ (processor.programs[program].slotParams[slot][k].load(), expected[k]) << "parameter " << k;
    }

    /** The XML text of a host state block, without the framework's header and final zero. */
    juce::MemoryBlock textOfBlock (const juce::MemoryBlock& block)
    {
        return { static_cast<const char*> (block.getData()) + 8, block.getSize() - 9 };
    }

    juce::MemoryBlock bytesOf (const juce::String& text)
    {
        return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
    }

    juce::MemoryBlock blockOf (const juce::File& file)
    {
        juce::MemoryBlock block;
        juce::AudioProcessor::copyXmlToBinary (*juce::parseXML (file), block);
        return block;
    }

    struct GoldenDocument
    {
        const char* fileName;
        std::function<juce::MemoryBlock (LumiverPX2741AudioProcessor&)> write;
        std::function<void (LumiverPX2741AudioProcessor&, const juce::File&)> readAndCheck;
    };
}

TEST (GoldenDocuments, WritersProduceTheFilesAndReadersTakeThemBack)
{
    const GoldenDocument documents[] = {
        // A preset file as the preset menu writes it to disk.
        { "KnownSettings.vpxp",
          [] (LumiverPX2741AudioProcessor& p) { return bytesOf (p.writePreset (true).toString()); },
          [] (LumiverPX2741AudioProcessor& p, const juce::File& file)
          {
              EXPECT_EQ (p.readPreset (juce::parseXML (file), true), presetLoaded);
              expectKnownSlot (p, 0, 0);
          } },

        // The full state inside a host's block.
        { "KnownSettingsFullState.xml",
          [] (LumiverPX2741AudioProcessor& p) { return textOfBlock (ProcessorTest::stateOf (p)); },
          [] (LumiverPX2741AudioProcessor& p, const juce::File& file)
          {
              const auto block = blockOf (file);
              p.setStateInformation (block.getData(), (int) block.getSize());
              EXPECT_EQ (p.getCurrentProgram(), 5);
              EXPECT_EQ (p.programs[2].activeChannel.load(), 1);
              EXPECT_EQ (p.getPresetPath (2, 0), "Bass/Slow & \"Deep\" <1>.vpxp");
              EXPECT_EQ (p.getPresetPath (5, 1), juce::String::fromUTF8 ("B\xc3\xa4nke/Pulse.vpxp"));
              EXPECT_EQ (p.programs[5].slotParams[0][tremoloTypeIndex].load(), 1.0f);
              expectKnownSlot (p, 5, 1);
          } },

        // The current program inside a host's block, read into another program.
        { "KnownSettingsCurrentProgram.xml",
          [] (LumiverPX2741AudioProcessor& p)
          {
              juce::MemoryBlock block;
              p.getCurrentProgramStateInformation (block);
              return textOfBlock (block);
          },
          [] (LumiverPX2741AudioProcessor& p, const juce::File& file)
          {
              p.setCurrentProgram (9);
              const auto block = blockOf (file);
              p.setCurrentProgramStateInformation (block.getData(), (int) block.getSize());
              EXPECT_EQ (p.programs[9].activeChannel.load(), 1);
              EXPECT_EQ (p.getPresetPath (9, 1), juce::String::fromUTF8 ("B\xc3\xa4nke/Pulse.vpxp"));
              EXPECT_EQ (p.programs[9].slotParams[0][onBypassIndex].load(), 0.0f);
              expectKnownSlot (p, 9, 1);
          } },
    };

    for (const auto& document : documents)
    {
        SCOPED_TRACE (document.fileName);
        const auto file = dataFile (document.fileName);
        juce::MemoryBlock golden;
        ASSERT_TRUE (file.loadFileAsData (golden));

        LumiverPX2741AudioProcessor writer;
        applyKnownSettings (writer);
        EXPECT_TRUE (document.write (writer) == golden);

        LumiverPX2741AudioProcessor reader;
        document.readAndCheck (reader, file);
    }
}
