#include "AllocationCounter.h"
#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ProcessorTest;

namespace
{
    /** The program store's invariants: valid program and slots, finite values. */
    void expectConsistent (LumiverPX2741AudioProcessor& processor)
    {
        ASSERT_GE (processor.getCurrentProgram(), 0);
        ASSERT_LT (processor.getCurrentProgram(), 12);
        ASSERT_EQ (processor.pendingStateXml, nullptr);

        for (auto& program : processor.programs)
        {
            ASSERT_TRUE (program.activeChannel.load() == 0 || program.activeChannel.load() == 1);

            for (auto& slot : program.slotParams)
                for (auto& value : slot)
                    ASSERT_TRUE (std::isfinite (value.load()));
        }

        for (auto& value : processor.currentParams)
            ASSERT_TRUE (std::isfinite (value.load()));
    }

    size_t allocationsDuring (LumiverPX2741AudioProcessor& processor, juce::AudioBuffer<float>& buffer)
    {
        juce::MidiBuffer midi;
        AllocationCounter::start();
        processor.processBlock (buffer, midi);
        return AllocationCounter::stop();
    }

    /** Renders one tone through both processors and expects the same output; returns it. */
    juce::AudioBuffer<float> expectSameSound (LumiverPX2741AudioProcessor& processor,
                                              LumiverPX2741AudioProcessor& reference, double sampleRate)
    {
        auto output = makeTone (2, 8192, sampleRate);
        auto expected = copyOf (output);
        processInBlocks (processor, output, 512);
        processInBlocks (reference, expected, 512);
        expectBuffersEqual (output, expected);
        return output;
    }

    /** A state document from a processor whose slots all differ. */
    juce::XmlElement variedState()
    {
        LumiverPX2741AudioProcessor processor;
        juce::Random random (11);

        for (int program = 0; program < 12; ++program)
        {
            processor.programs[program].activeChannel = random.nextInt (2);

            for (int slot = 0; slot < 2; ++slot)
            {
                processor.programs[program].presetPath[slot] = "Folder/Preset " + juce::String (program * 2 + slot) + ".vpxp";

                for (int k = 0; k < numParameters; ++k)
                    processor.programs[program].slotParams[slot][k] = random.nextFloat();
            }
        }

        processor.currentProgram = 7;
        return processor.writePreset (false);
    }

    juce::String randomText (juce::Random& random)
    {
        const char* const texts[] = { "", "true", " true ", "abc", "nan", "inf", "-inf", "1e999", "-1e999",
                                      "99999999999", "-2147483649", "0x10", "3.5", "-1", "12", "2", "1", "0" };
        return texts[random.nextInt ((int) (sizeof (texts) / sizeof (texts[0])))];
    }

    /** A few random structural and textual changes to a document. */
    void mutate (juce::XmlElement& root, juce::Random& random)
    {
        std::vector<juce::XmlElement*> elements;
        std::function<void (juce::XmlElement&)> collect = [&] (juce::XmlElement& element)
        {
            elements.push_back (&element);

            // Text children are left out: a change below may delete them.
            for (auto* child : element.getChildIterator())
                if (! child->isTextElement())
                    collect (*child);
        };
        collect (root);

        for (int change = random.nextInt (6) + 1; --change >= 0;)
        {
            auto* element = elements[(size_t) random.nextInt ((int) elements.size())];

            switch (random.nextInt (7))
            {
                case 0:
                    if (element->getNumAttributes() > 0)
                        element->setAttribute (element->getAttributeName (random.nextInt (element->getNumAttributes())),
                                               randomText (random));
                    break;
                case 1:
                    if (element->getNumAttributes() > 0)
                        element->removeAttribute (element->getAttributeName (random.nextInt (element->getNumAttributes())));
                    break;
                case 2:
                    element->deleteAllTextElements();
                    element->addTextElement (randomText (random));
                    break;
                case 3:
                    if (element != &root && element->getNumChildElements() > 0)
                        for (int copies = random.nextInt (8); --copies >= 0;)
                            element->addChildElement (new juce::XmlElement (*element->getChildElement (0)));
                    break;
                case 4:
                    if (element->getNumChildElements() > 0)
                        element->removeChildElement (element->getChildElement (random.nextInt (element->getNumChildElements())), true);
                    return;
                case 5:
                    element->setAttribute ("activePreset", random.nextInt ({ -5, 20 }));
                    element->setAttribute ("activeChannel", random.nextInt ({ -3, 5 }));
                    break;
                default:
                    element->setTagName (random.nextBool() ? "Value" : "Preset");
                    break;
            }
        }
    }
}

TEST (Safety, AudioPathAllocatesNothing)
{
    // The counter itself sees an allocation.
    AllocationCounter::start();
    ::operator delete (::operator new (16));
    ASSERT_EQ (AllocationCounter::stop(), 1u);

    LumiverPX2741AudioProcessor processor;
    FixedTempoPlayHead playHead (120.0);
    processor.setPlayHead (&playHead);
    processor.prepareToPlay (48000.0, 512);
    juce::Random random (3);

    for (int block = 0; block < 200; ++block)
    {
        // Every kind of change the audio thread carries out: values, switches,
        // tempo, on/off and a change of type prepared on the audio thread.
        processor.setParameter (2 + random.nextInt (5), random.nextFloat());
        processor.setParameter (7, (float) (block / 10 % 2));
        processor.setParameter (8, (float) (block / 15 % 2));
        processor.setParameter (0, block % 50 < 40 ? 1.0f : 0.0f);
        playHead.bpm = 100.0 + block % 7;

        if (block % 40 == 0)
        {
            processor.setParameter (1, (float) ((block / 40 + 1) % 3) * 0.5f);
            ASSERT_TRUE (waitForTypeRequest (processor));
        }

        auto buffer = makeTone (2, 512, 48000.0, block * 512);
        ASSERT_EQ (allocationsDuring (processor, buffer), 0u) << "block " << block;
    }

    // A block longer than the work buffers, and blocks with the modules' own buffers exceeded.
    auto longBlock = makeTone (2, 40000, 48000.0);
    EXPECT_EQ (allocationsDuring (processor, longBlock), 0u);
    processor.setPlayHead (nullptr);
}

TEST (Safety, UnpreparedProcessorPassesTheInputWithoutAllocating)
{
    LumiverPX2741AudioProcessor processor;
    ASSERT_TRUE (setLayout (processor, 1, 2));

    for (int pass = 0; pass < 2; ++pass)
    {
        auto buffer = makeTone (2, 1024, 44100.0);
        buffer.clear (1, 0, 1024);
        const auto input = makeTone (1, 1024, 44100.0);

        EXPECT_EQ (allocationsDuring (processor, buffer), 0u);

        for (int i = 0; i < 1024; ++i)
        {
            ASSERT_EQ (buffer.getSample (0, i), input.getSample (0, i));
            ASSERT_EQ (buffer.getSample (1, i), input.getSample (0, i));
        }

        // Prepared, played and released: unprepared again.
        processor.prepareToPlay (44100.0, 256);
        auto played = makeTone (2, 256, 44100.0);
        juce::MidiBuffer midi;
        processor.processBlock (played, midi);
        processor.releaseResources();
    }

    juce::AudioBuffer<float> empty (2, 0);
    processor.prepareToPlay (44100.0, 256);
    EXPECT_EQ (allocationsDuring (processor, empty), 0u);
}

TEST (Safety, LongBlocksSoundAsTheSameSignalInShortBlocks)
{
    LumiverPX2741AudioProcessor whole, pieces;

    for (auto* processor : { &whole, &pieces })
    {
        processor->setParameter (5, 0.9f);
        processor->setParameter (7, 1.0f);
        processor->prepareToPlay (44100.0, 256);
    }

    auto input = makeTone (2, 50000, 44100.0);
    juce::AudioBuffer<float> expected;
    expected.makeCopyOf (input);

    processInBlocks (whole, input, 50000);
    processInBlocks (pieces, expected, 1000);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < 50000; ++i)
            ASSERT_EQ (input.getSample (channel, i), expected.getSample (channel, i)) << i;
}

TEST (Safety, HostTortureOnTheProcessor)
{
    const double sampleRates[] = { 22050.0, 44100.0, 48000.0, 96000.0, 192000.0 };
    const int blockSizes[] = { 1, 64, 333, 1024, 4096 };
    juce::Random random (2741);
    juce::MidiBuffer midi;

    for (double sampleRate : sampleRates)
    {
        for (int blockSize : blockSizes)
        {
            LumiverPX2741AudioProcessor processor;
            processor.prepareToPlay (sampleRate, blockSize);
            processor.prepareToPlay (sampleRate, blockSize);

            auto buffer = makeTone (2, std::max (blockSize * 3, 4096), sampleRate);

            for (int start = 0; start < buffer.getNumSamples(); start += blockSize)
            {
                const int length = std::min (blockSize, buffer.getNumSamples() - start);

                for (int sub = 0; sub < length; sub += 32)
                {
                    for (int k = 0; k < numParameters; ++k)
                        if (random.nextInt (4) == 0)
                            processor.setParameter (k, random.nextFloat());

                    if (random.nextInt (50) == 0)
                        processor.timerCallback();

                    juce::AudioBuffer<float> block (buffer.getArrayOfWritePointers(), 2, start + sub, std::min (32, length - sub));
                    processor.processBlock (block, midi);
                }
            }

            auto large = makeTone (2, std::max (blockSize * 2 + 17, 20000), sampleRate);
            processor.processBlock (large, midi);

            ASSERT_TRUE (isFiniteAndNormal (buffer)) << sampleRate << " / " << blockSize;
            ASSERT_TRUE (isFiniteAndNormal (large)) << sampleRate << " / " << blockSize;

            const auto state = stateOf (processor);
            LumiverPX2741AudioProcessor fresh;
            fresh.setStateInformation (state.getData(), (int) state.getSize());
            ASSERT_EQ (stateOf (fresh), state);
        }
    }
}

TEST (Safety, FuzzedStateBlocksAndPresetFilesKeepTheStoreConsistent)
{
    const auto original = variedState();
    juce::MemoryBlock originalBlock;
    juce::AudioProcessor::copyXmlToBinary (original, originalBlock);
    juce::Random random (74);
    LumiverPX2741AudioProcessor processor;
    int parsed = 0;

    for (int round = 0; round < 3000; ++round)
    {
        juce::MemoryBlock block;

        if (round % 3 == 0)
        {
            // Damaged bytes: flips, truncation, random data.
            block = originalBlock;

            for (int flips = random.nextInt (10) + 1; --flips >= 0;)
                static_cast<char*> (block.getData())[random.nextInt ((int) block.getSize())] = (char) random.nextInt (256);

            if (random.nextBool())
                block.setSize ((size_t) random.nextInt ((int) block.getSize()));
        }
        else
        {
            juce::XmlElement document (original);
            mutate (document, random);
            juce::AudioProcessor::copyXmlToBinary (document, block);

            auto asPreset = std::make_unique<juce::XmlElement> (document);

            if (auto* properties = asPreset->getChildByName ("Properties"))
                properties->setAttribute ("deviceProductID", productIdentifier);

            processor.comparePreset (std::make_unique<juce::XmlElement> (*asPreset));
            processor.readPreset (std::move (asPreset), true);
        }

        const auto before = stateOf (processor);
        const bool parses = juce::AudioProcessor::getXmlFromBinary (block.getData(), (int) block.getSize()) != nullptr;
        parsed += parses ? 1 : 0;

        if (random.nextBool())
            processor.setStateInformation (block.getData(), (int) block.getSize());
        else
            processor.setCurrentProgramStateInformation (block.getData(), (int) block.getSize());

        expectConsistent (processor);

        if (! parses)
        {
            ASSERT_EQ (stateOf (processor), before) << "round " << round;
        }
    }

    EXPECT_GT (parsed, 1500);

    // After all that, a good state still loads completely.
    processor.setStateInformation (originalBlock.getData(), (int) originalBlock.getSize());
    EXPECT_EQ (stateOf (processor), originalBlock);
}

TEST (Safety, ValuesOutsideTheRangeAreStoredButHeardAtTheNearestEnd)
{
    // A shared preset file may hold anything: the store keeps it (the file round-trips), the modules
    // hear the nearest end of 0..1.
    const struct { const char* key; const char* text; int index; float stored, heard; } cases[] = {
        { "shape", "3", shapeIndex, 3.0f, 1.0f }, { "depth", "20", depthIndex, 20.0f, 1.0f },
        { "level", "50", levelIndex, 50.0f, 1.0f }, { "level", "-4", levelIndex, -4.0f, 0.0f },
        { "rate", "7.5", rateIndex, 7.5f, 1.0f },
    };

    for (const auto& c : cases)
    {
        LumiverPX2741AudioProcessor loaded, reference;
        loaded.setParameter (depthIndex, 1.0f);
        reference.setParameter (depthIndex, 1.0f);

        const auto document = "<vardunPatch><DeviceName/><Properties deviceProductID=\"" + juce::String (productIdentifier)
                              + "\"><Value property=\"" + c.key + "\" type=\"number\">" + c.text
                              + "</Value></Properties></vardunPatch>";
        ASSERT_EQ (loaded.readPreset (juce::parseXML (document), true), presetLoaded);
        EXPECT_EQ (loaded.getParameter (c.index), c.stored) << c.key;
        reference.setParameter (c.index, c.heard);
        loaded.prepareToPlay (44100.0, 512);
        reference.prepareToPlay (44100.0, 512);

        const auto output = expectSameSound (loaded, reference, 44100.0);
        EXPECT_LE (output.getMagnitude (0, output.getNumSamples()), 1.1f) << c.key;
    }
}

TEST (Safety, RatesThatAreNoRatesAreIgnored)
{
    const double unusable[] = { 0.0, -48000.0, 999.0, 1.0e300, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity() };

    for (double rate : unusable)
    {
        // Before any usable rate the default holds.
        LumiverPX2741AudioProcessor fresh;
        fresh.prepareToPlay (rate, 512);
        EXPECT_EQ (fresh.sineWave.sampleRate, 44100.0f) << rate;
        EXPECT_EQ (fresh.fadeLength, 2048) << rate;

        // After one, the processor sounds as if prepared at it again.
        LumiverPX2741AudioProcessor processor, reference;
        processor.prepareToPlay (96000.0, 512);
        processor.prepareToPlay (rate, 512);
        reference.prepareToPlay (96000.0, 512);
        reference.prepareToPlay (96000.0, 512);
        EXPECT_TRUE (isFiniteAndNormal (expectSameSound (processor, reference, 96000.0))) << rate;
    }
}
