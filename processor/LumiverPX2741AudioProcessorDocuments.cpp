#include "LumiverPX2741AudioProcessor.h"

#include <cmath>

// The documents: the preset file, the full state and the current-program
// state, their writers and readers, the comparison with the current sound and
// the host-state calls. They run on the message thread or a host thread,
// never on the audio thread.

namespace
{
    const char* const documentTag = "vardunPatch";
    const char* const propertiesTag = "Properties";
    const char* const documentVersion = "1.0";
    const char* const presetVersion = "1.0";

    /** A document value that differs from the current one by at least this much is a change. */
    constexpr float comparisonTolerance = 1e-5f;

    juce::XmlElement createRoot()
    {
        juce::XmlElement root (documentTag);
        root.setAttribute ("version", documentVersion);
        root.createNewChildElement ("DeviceName")->addTextElement (productName);
        return root;
    }

    juce::XmlElement* createProperties()
    {
        auto* properties = new juce::XmlElement (propertiesTag);
        properties->setAttribute ("deviceProductID", productIdentifier);
        properties->setAttribute ("deviceVersion", productVersion);
        properties->setAttribute ("presetVersion", presetVersion);
        return properties;
    }

    juce::XmlElement* createValue (int index, float value)
    {
        auto* element = new juce::XmlElement ("Value");
        element->setAttribute ("property", ParameterTable::getKey (index));
        element->setAttribute ("type", ParameterTable::getValueType (index));
        element->addTextElement (ParameterTable::toValueText (index, value));
        return element;
    }

    juce::XmlElement* createChannel (const LumiverPX2741AudioProcessor& processor, int program, int slot)
    {
        auto* channel = new juce::XmlElement ("Channel");
        channel->setAttribute ("channel", slot);
        channel->setAttribute ("presetPath", processor.getPresetPath (program, slot));

        for (int k = 0; k < numParameters; ++k)
            channel->addChildElement (createValue (k, processor.programs[program].slotParams[slot][k].load()));

        return channel;
    }

    /** One Channel of a state document into one slot: its preset path and values. */
    void readChannel (LumiverPX2741AudioProcessor& processor, juce::XmlElement& channel, int program, int slot)
    {
        processor.setPresetPath (program, slot, channel.getAttributeValue (1));
        processor.storePresetElement (channel.getFirstChildElement(), program, slot);
    }

    /** One program of a state document into the store: its active slot (the
        attribute at activeSlotPosition) and its Channels, placed by position.
        Channels beyond the store are skipped, and so is an active slot other
        than A or B. Returns the active slot when a Channel for it was read,
        else -1.
    */
    int readProgram (LumiverPX2741AudioProcessor& processor, const juce::XmlElement& element,
                     int activeSlotPosition, int program)
    {
        const int activeSlot = element.getAttributeValue (activeSlotPosition).getIntValue();

        if (ProgramSlots::isValidSlot (activeSlot))
            processor.programs[program].activeChannel.store (activeSlot);

        int slot = 0;

        for (auto* channel : element.getChildIterator())
        {
            if (! ProgramSlots::isValidSlot (slot))
                break;

            readChannel (processor, *channel, program, slot);
            ++slot;
        }

        return activeSlot >= 0 && activeSlot < slot ? activeSlot : -1;
    }

    /** The parameter and value of one Value element; false for an unknown key or a non-finite value. */
    bool readValueElement (const juce::XmlElement& element, int& index, float& value)
    {
        index = ParameterTable::findIndex (element.getAttributeValue (0));

        if (index < 0)
            return false;

        // A text such as "nan" or "1e999" is no value: the parameter keeps its own,
        // and the host is never told of it.
        value = ParameterTable::fromValueText (index, element.getAllSubText());
        return std::isfinite (value);
    }
}

//==============================================================================
juce::XmlElement LumiverPX2741AudioProcessor::writePreset (bool presetFileOnly)
{
    auto root = createRoot();
    auto* properties = createProperties();

    if (presetFileOnly)
    {
        const auto* values = getActiveSlotParams();

        for (int k = 0; k < numParameters; ++k)
            properties->addChildElement (createValue (k, values[k].load()));
    }
    else
    {
        properties->setAttribute ("activePreset", getCurrentProgram());

        for (int program = 0; program < numPrograms; ++program)
        {
            auto* preset = new juce::XmlElement ("Preset");
            preset->setAttribute ("preset", program);
            preset->setAttribute ("activeChannel", programs[program].activeChannel.load());

            for (int slot = 0; slot < ProgramSlots::numSlots; ++slot)
                preset->addChildElement (createChannel (*this, program, slot));

            properties->addChildElement (preset);
        }
    }

    root.addChildElement (properties);
    return root;
}

juce::XmlElement LumiverPX2741AudioProcessor::writeCurrentProgram()
{
    auto root = createRoot();
    auto* properties = createProperties();
    const int program = getCurrentProgramIndex();

    properties->setAttribute ("activeChannel", programs[program].activeChannel.load());

    for (int slot = 0; slot < ProgramSlots::numSlots; ++slot)
        properties->addChildElement (createChannel (*this, program, slot));

    root.addChildElement (properties);
    return root;
}

PresetReadResult LumiverPX2741AudioProcessor::readPreset (std::unique_ptr<juce::XmlElement> xml, bool presetFileOnly)
{
    if (! presetFileOnly)
    {
        if (xml == nullptr || ! xml->hasTagName (documentTag))
            return stateLoaded;

        for (auto* element : xml->getChildIterator())
        {
            int selectedProgram = 0;
            int selectedSlot = 0;

            if (element->hasTagName (propertiesTag))
            {
                const int activePreset = element->getAttributeValue (3).getIntValue();
                int program = 0;

                // Presets are placed by position; any beyond the store are skipped.
                for (auto* preset : element->getChildIterator())
                {
                    if (! isValidProgram (program))
                        break;

                    const int activeSlot = readProgram (*this, *preset, 1, program);

                    if (program == activePreset && activeSlot >= 0)
                    {
                        selectedProgram = program;
                        selectedSlot = activeSlot;
                    }

                    ++program;
                }
            }

            currentProgram.store (selectedProgram);
            programs[selectedProgram].activeChannel.store (selectedSlot);
            setCurrentProgram (selectedProgram);
        }

        return stateLoaded;
    }

    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return presetNotRead;

    auto* properties = xml->getChildByName (propertiesTag);

    if (properties == nullptr)
        return presetNotRead;

    if (properties->getAttributeValue (0) != productIdentifier)
        return presetOtherProduct;

    readPresetElement (properties->getFirstChildElement());

    return properties->getAttributeValue (2).getDoubleValue() > 1.0 ? presetNewerVersion : presetLoaded;
}

bool LumiverPX2741AudioProcessor::readCurrentProgram (std::unique_ptr<juce::XmlElement> xml)
{
    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return false;

    const int program = getCurrentProgramIndex();

    for (auto* element : xml->getChildIterator())
    {
        if (element->hasTagName (propertiesTag))
            readProgram (*this, *element, 3, program);

        setCurrentProgram (program);
    }

    return true;
}

void LumiverPX2741AudioProcessor::readPresetElement (juce::XmlElement* firstValue)
{
    int index = 0;
    float value = 0.0f;

    for (auto* element = firstValue; element != nullptr; element = element->getNextElement())
        if (readValueElement (*element, index, value))
            setParameterNotifyingHost (index, value);
}

void LumiverPX2741AudioProcessor::storePresetElement (juce::XmlElement* firstValue, int program, int slot)
{
    if (! isValidProgramSlot (program, slot))
        return;

    int index = 0;
    float value = 0.0f;

    for (auto* element = firstValue; element != nullptr; element = element->getNextElement())
        if (readValueElement (*element, index, value))
            programs[program].slotParams[slot][index].store (value);
}

bool LumiverPX2741AudioProcessor::comparePreset (std::unique_ptr<juce::XmlElement> xml)
{
    if (xml == nullptr || ! xml->hasTagName (documentTag))
        return false;

    for (auto* properties : xml->getChildWithTagNameIterator (propertiesTag))
    {
        for (auto* element : properties->getChildIterator())
        {
            const int index = ParameterTable::findIndex (element->getAttributeValue (0));

            if (index < 0)
                continue;

            float current = getParameter (index);

            if (ParameterTable::isSwitch (index) && current > 0.0f)
                current = 1.0f;

            const float difference = current - ParameterTable::fromValueText (index, element->getAllSubText());

            if (std::abs (difference) >= comparisonTolerance)
                return true;
        }
    }

    return false;
}

//==============================================================================
void LumiverPX2741AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writePreset (false), destData);
}

void LumiverPX2741AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (writeCurrentProgram(), destData);
}

void LumiverPX2741AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return;

    pendingStateXml = getXmlFromBinary (data, sizeInBytes);

    if (pendingStateXml != nullptr)
        readPreset (std::move (pendingStateXml), false);
}

void LumiverPX2741AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return;

    pendingStateXml = getXmlFromBinary (data, sizeInBytes);

    if (pendingStateXml != nullptr)
        readCurrentProgram (std::move (pendingStateXml));
}
