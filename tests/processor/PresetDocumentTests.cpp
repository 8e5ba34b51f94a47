#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ProcessorTest;

namespace
{
    std::unique_ptr<juce::XmlElement> parse (const juce::String& text)
    {
        return juce::parseXML (text);
    }

    std::unique_ptr<juce::XmlElement> copyOfXml (const juce::XmlElement& element)
    {
        return std::make_unique<juce::XmlElement> (element);
    }

    juce::String presetFile (const juce::String& values, const juce::String& productId = productIdentifier,
                             const juce::String& version = "1.0")
    {
        return "<vardunPatch version=\"1.0\"><DeviceName>Lumiver PX2741</DeviceName>"
               "<Properties deviceProductID=\"" + productId + "\" deviceVersion=\"1.0.1\" presetVersion=\""
               + version + "\">" + values + "</Properties></vardunPatch>";
    }

    juce::String value (const juce::String& key, const juce::String& text)
    {
        return "<Value property=\"" + key + "\" type=\"number\">" + text + "</Value>";
    }

}

TEST (PresetDocument, FreshPresetFileHasTheDocumentedLayout)
{
    LumiverPX2741AudioProcessor processor;
    const auto xml = processor.writePreset (true);

    EXPECT_EQ (xml.getTagName(), "vardunPatch");
    EXPECT_EQ (xml.getNumAttributes(), 1);
    EXPECT_EQ (xml.getStringAttribute ("version"), "1.0");
    ASSERT_EQ (xml.getNumChildElements(), 2);

    const auto* deviceName = xml.getChildElement (0);
    EXPECT_EQ (deviceName->getTagName(), "DeviceName");
    EXPECT_EQ (deviceName->getAllSubText(), "Lumiver PX2741");

    const auto* properties = xml.getChildElement (1);
    EXPECT_EQ (properties->getTagName(), "Properties");
    ASSERT_EQ (properties->getNumAttributes(), 3);
    EXPECT_EQ (properties->getAttributeName (0), "deviceProductID");
    EXPECT_EQ (properties->getAttributeValue (0), productIdentifier);
    EXPECT_EQ (properties->getAttributeValue (1), "1.0.1");
    EXPECT_EQ (properties->getAttributeName (2), "presetVersion");
    EXPECT_EQ (properties->getAttributeValue (2), "1.0");

    const char* const texts[] = { "true", "0", "0.50000", "9", "0.50000", "0.50000", "0.50000", "false", "false" };
    const char* const types[] = { "boolean", "number", "number", "number", "number", "number", "number", "boolean", "boolean" };
    ASSERT_EQ (properties->getNumChildElements(), 9);

    for (int k = 0; k < 9; ++k)
    {
        const auto* element = properties->getChildElement (k);
        EXPECT_EQ (element->getTagName(), "Value");
        EXPECT_EQ (element->getAttributeName (0), "property");
        EXPECT_EQ (element->getAttributeValue (0), ParameterTable::getKey (k));
        EXPECT_EQ (element->getAttributeValue (1), types[k]);
        EXPECT_EQ (element->getAllSubText(), texts[k]);
    }
}

TEST (PresetDocument, TypeAndRateSyncAreQuantisedOnSaving)
{
    LumiverPX2741AudioProcessor writer;
    writer.setParameter (1, 0.3f);
    writer.setParameter (3, 0.52f);
    writer.setParameter (2, 0.123456f);
    const auto xml = writer.writePreset (true);
    const auto* properties = xml.getChildByName ("Properties");
    EXPECT_EQ (properties->getChildElement (1)->getAllSubText(), "1");
    EXPECT_EQ (properties->getChildElement (3)->getAllSubText(), "10");
    EXPECT_EQ (properties->getChildElement (2)->getAllSubText(), "0.12346");

    LumiverPX2741AudioProcessor reader;
    EXPECT_EQ (reader.readPreset (copyOfXml (xml), true), presetLoaded);
    EXPECT_EQ (reader.getParameter (1), 0.5f);
    EXPECT_EQ (reader.getParameter (3), 10.0f / 18.0f);
    EXPECT_EQ (reader.getParameter (2), 0.12346f);

    writer.setParameter (3, std::nextafter (17.0f / 18.0f, 1.0f));   // plays note 18
    EXPECT_EQ (writer.writePreset (true).getChildByName ("Properties")->getChildElement (3)->getAllSubText(), "18");
}

TEST (PresetDocument, PresetFileAppliesExactlyItsKeysInItsOwnOrder)
{
    LumiverPX2741AudioProcessor processor;
    ParameterRecorder recorder;
    processor.addListener (&recorder);
    processor.setParameter (4, 0.7f);
    processor.parametersChanged = false;

    const auto document = presetFile (value ("depth", "0.25") + value ("unknown", "0.9")
                                      + "<Value property=\"stereo\" type=\"boolean\"> true </Value>"
                                      + "<Value property=\"sync\" type=\"boolean\">True</Value>"
                                      + value ("tremoloType", "2"));

    EXPECT_EQ (processor.readPreset (parse (document), true), presetLoaded);

    ASSERT_EQ (recorder.changes.size(), 4u);
    EXPECT_EQ (recorder.changes[0], std::make_pair (5, 0.25f));
    EXPECT_EQ (recorder.changes[1], std::make_pair (7, 1.0f));
    EXPECT_EQ (recorder.changes[2], std::make_pair (8, 0.0f));
    EXPECT_EQ (recorder.changes[3], std::make_pair (1, 1.0f));
    EXPECT_EQ (processor.getParameter (4), 0.7f);
    EXPECT_EQ (processor.currentParams[5].load(), 0.25f);
    EXPECT_TRUE (processor.parametersChanged);
    EXPECT_FALSE (processor.programChanged);
    EXPECT_EQ (processor.programs[0].presetPath[0], "Init.vpxp");
    processor.removeListener (&recorder);
}

TEST (PresetDocument, AttributesAreReadByPosition)
{
    LumiverPX2741AudioProcessor processor;
    const auto document = presetFile ("<Value key=\"depth\" kind=\"number\">0.125</Value>"
                                      "<Value type=\"number\" property=\"level\">0.9</Value>");

    EXPECT_EQ (processor.readPreset (parse (document), true), presetLoaded);
    EXPECT_EQ (processor.getParameter (5), 0.125f);
    EXPECT_EQ (processor.getParameter (6), 0.5f);
}

TEST (PresetDocument, ResultCodes)
{
    LumiverPX2741AudioProcessor processor;

    EXPECT_EQ (processor.readPreset (nullptr, true), presetNotRead);
    EXPECT_EQ (processor.readPreset (parse ("<otherPatch><Properties/></otherPatch>"), true), presetNotRead);
    EXPECT_EQ (processor.readPreset (parse ("<vardunPatch><DeviceName/></vardunPatch>"), true), presetNotRead);

    EXPECT_EQ (processor.readPreset (parse (presetFile (value ("depth", "0.1"), "com.example.Other")), true),
               presetOtherProduct);
    EXPECT_EQ (processor.getParameter (5), 0.5f);

    EXPECT_EQ (processor.readPreset (parse (presetFile (value ("depth", "0.2"), productIdentifier, "1.1")), true),
               presetNewerVersion);
    EXPECT_EQ (processor.getParameter (5), 0.2f);

    EXPECT_EQ (processor.readPreset (parse (presetFile (value ("depth", "0.3"))), true), presetLoaded);
    EXPECT_EQ (processor.getParameter (5), 0.3f);

    EXPECT_EQ (processor.readPreset (parse ("<wrong/>"), false), stateLoaded);
    EXPECT_EQ (processor.readPreset (nullptr, false), stateLoaded);
}

TEST (PresetDocument, NonNumericAndNonFiniteTexts)
{
    LumiverPX2741AudioProcessor processor;
    ParameterRecorder recorder;
    processor.addListener (&recorder);

    EXPECT_EQ (processor.readPreset (parse (presetFile (value ("depth", "abc") + value ("rate", "nan")
                                                        + value ("level", "1e999"))), true),
               presetLoaded);

    EXPECT_EQ (processor.getParameter (5), 0.0f);
    EXPECT_EQ (processor.getParameter (2), 0.5f);
    EXPECT_EQ (processor.getParameter (6), 0.5f);

    // Only the number reaches the host; the non-finite texts are not announced.
    ASSERT_EQ (recorder.changes.size(), 1u);
    EXPECT_EQ (recorder.changes[0], std::make_pair (5, 0.0f));
    processor.removeListener (&recorder);
}

TEST (PresetDocument, FullStateRestoresProgramSlotAndPaths)
{
    LumiverPX2741AudioProcessor source;

    for (int program = 0; program < 12; ++program)
        for (int slot = 0; slot < 2; ++slot)
        {
            source.programs[program].presetPath[slot] = "Bank " + juce::String (program) + "/P" + juce::String (slot) + ".vpxp";

            for (int k = 2; k <= 6; ++k)
                source.programs[program].slotParams[slot][k] = 0.01f * (float) (program * 10 + slot * 5 + k);
        }

    source.programs[5].activeChannel = 1;
    source.programs[7].activeChannel = 1;
    source.setCurrentProgram (5);

    LumiverPX2741AudioProcessor target;
    ParameterRecorder recorder;
    target.addListener (&recorder);
    const auto state = stateOf (source);
    target.setStateInformation (state.getData(), (int) state.getSize());

    EXPECT_EQ (target.getCurrentProgram(), 5);
    EXPECT_EQ (target.programs[5].activeChannel.load(), 1);
    EXPECT_EQ (target.programs[7].activeChannel.load(), 1);
    EXPECT_EQ (target.programs[0].activeChannel.load(), 0);
    EXPECT_EQ (target.pendingStateXml, nullptr);

    for (int program = 0; program < 12; ++program)
        for (int slot = 0; slot < 2; ++slot)
        {
            EXPECT_EQ (target.programs[program].presetPath[slot], source.programs[program].presetPath[slot]);

            for (int k : { 2, 4, 5, 6 })
                EXPECT_EQ (target.programs[program].slotParams[slot][k].load(),
                           juce::String (source.programs[program].slotParams[slot][k].load(), 5).getFloatValue());
        }

    // The last notifications carry program 5's slot B to the host.
    ASSERT_GE (recorder.changes.size(), 9u);

    for (int k = 0; k < 9; ++k)
        EXPECT_EQ (recorder.changes[recorder.changes.size() - 9 + (size_t) k].second,
                   target.programs[5].slotParams[1][k].load());

    EXPECT_TRUE (target.programChanged && target.slotChanged && target.parametersChanged);
    EXPECT_EQ (stateOf (target), state);
    target.removeListener (&recorder);
}

TEST (PresetDocument, FullStateWithoutTheSavedPairEndsOnProgramZeroSlotA)
{
    LumiverPX2741AudioProcessor source;
    source.programs[0].activeChannel = 1;
    source.programs[0].slotParams[1][5] = 0.9f;
    auto xml = source.writePreset (false);
    xml.getChildByName ("Properties")->setAttribute ("activePreset", 40);

    LumiverPX2741AudioProcessor target;
    target.currentProgram = 3;
    target.readPreset (copyOfXml (xml), false);

    EXPECT_EQ (target.getCurrentProgram(), 0);
    EXPECT_EQ (target.programs[0].activeChannel.load(), 0);
    EXPECT_EQ (target.programs[0].slotParams[1][5].load(), 0.9f);
}

TEST (PresetDocument, OversizedAndOutOfRangeStateStaysInsideTheStore)
{
    juce::String presets;

    for (int i = 0; i < 15; ++i)
    {
        presets << "<Preset preset=\"" << i << "\" activeChannel=\"" << (i == 2 ? 7 : 1) << "\">";

        for (int j = 0; j < 4; ++j)
            presets << "<Channel channel=\"" << j << "\" presetPath=\"p" << i << "_" << j << "\">"
                    << value ("depth", juce::String (0.01 * (i * 4 + j))) << "</Channel>";

        presets << "</Preset>";
    }

    LumiverPX2741AudioProcessor processor;
    processor.programs[2].activeChannel = 1;
    const auto document = "<vardunPatch><Properties a=\"\" b=\"\" c=\"\" activePreset=\"11\">" + presets
                          + "</Properties></vardunPatch>";
    processor.readPreset (parse (document), false);

    EXPECT_EQ (processor.getCurrentProgram(), 11);
    EXPECT_EQ (processor.programs[11].activeChannel.load(), 1);
    EXPECT_EQ (processor.programs[2].activeChannel.load(), 1);
    EXPECT_EQ (processor.programs[11].presetPath[1], "p11_1");
    EXPECT_EQ (processor.programs[11].slotParams[1][5].load(), 0.01f * 45.0f);
}

TEST (PresetDocument, CurrentProgramDocumentRoundTrip)
{
    LumiverPX2741AudioProcessor source;
    source.setCurrentProgram (4);
    source.programs[4].activeChannel = 1;
    source.programs[4].presetPath[0] = "A.vpxp";
    source.programs[4].presetPath[1] = "Sub/B.vpxp";
    source.programs[4].slotParams[0][5] = 0.125f;
    source.programs[4].slotParams[1][6] = 0.75f;

    juce::MemoryBlock block;
    source.getCurrentProgramStateInformation (block);
    const auto xml = source.writeCurrentProgram();
    EXPECT_EQ (xml.getChildByName ("Properties")->getAttributeName (3), "activeChannel");
    EXPECT_EQ (xml.getChildByName ("Properties")->getNumChildElements(), 2);

    LumiverPX2741AudioProcessor target;
    target.setCurrentProgram (9);
    target.setCurrentProgramStateInformation (block.getData(), (int) block.getSize());

    EXPECT_EQ (target.getCurrentProgram(), 9);
    EXPECT_EQ (target.programs[9].activeChannel.load(), 1);
    EXPECT_EQ (target.programs[9].presetPath[1], "Sub/B.vpxp");
    EXPECT_EQ (target.programs[9].slotParams[0][5].load(), 0.125f);
    EXPECT_EQ (target.currentParams[6].load(), 0.75f);
    EXPECT_EQ (target.programs[4].slotParams[0][5].load(), 0.5f);

    EXPECT_FALSE (target.readCurrentProgram (parse ("<other/>")));
    EXPECT_FALSE (target.readCurrentProgram (nullptr));
}

TEST (PresetDocument, ComparePresetDetectsChanges)
{
    LumiverPX2741AudioProcessor processor;

    for (float type : { 0.0f, 0.5f, 1.0f })
    {
        processor.setParameter (1, type);
        EXPECT_FALSE (processor.comparePreset (copyOfXml (processor.writePreset (true)))) << type;
    }

    const auto saved = processor.writePreset (true);
    processor.setParameter (5, 0.5f + 2e-5f);
    EXPECT_TRUE (processor.comparePreset (copyOfXml (saved)));
    processor.setParameter (5, 0.5f);
    EXPECT_FALSE (processor.comparePreset (copyOfXml (saved)));

    processor.setParameter (1, 0.3f);
    EXPECT_TRUE (processor.comparePreset (copyOfXml (processor.writePreset (true))));

    processor.setParameter (1, 1.0f);
    processor.setParameter (0, 0.4f);
    EXPECT_FALSE (processor.comparePreset (copyOfXml (processor.writePreset (true))));

    EXPECT_FALSE (processor.comparePreset (nullptr));
    EXPECT_FALSE (processor.comparePreset (parse ("<other/>")));
    EXPECT_FALSE (processor.comparePreset (parse (presetFile (value ("depth", "nan")))));
}

TEST (PresetDocument, RejectedStateBlocksChangeNothing)
{
    LumiverPX2741AudioProcessor processor;
    processor.setParameter (5, 0.3f);
    processor.programs[6].presetPath[1] = "Kept.vpxp";
    const auto before = stateOf (processor);

    const char garbage[] = "not a state block at all";
    processor.setStateInformation (garbage, (int) sizeof (garbage));
    processor.setStateInformation (nullptr, 100);
    processor.setStateInformation (before.getData(), (int) before.getSize() / 2);
    processor.setCurrentProgramStateInformation (garbage, (int) sizeof (garbage));

    EXPECT_EQ (stateOf (processor), before);
}
