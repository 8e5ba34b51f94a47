#include "TestProcessor.h"
#include "PluginFactory.h"

std::atomic<TestProcessor*> TestProcessor::lastCreated { nullptr };
std::atomic<int> TestProcessor::liveInstances { 0 };

namespace
{
    constexpr const char* parameterNames[] = { "Gain", "Colour", "A rather long parameter name that goes on" };
    constexpr const char* stateTag = "TESTSTATE";
    constexpr const char* programTag = "TESTPROGRAM";
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TestProcessor();
}

TestProcessor::TestProcessor()
    : juce::AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo())
                                             .withOutput ("Output", juce::AudioChannelSet::stereo()))
{
    lastCreated = this;
    ++liveInstances;
}

TestProcessor::~TestProcessor()
{
    TestProcessor* expected = this;
    lastCreated.compare_exchange_strong (expected, nullptr);
    --liveInstances;
}

void TestProcessor::prepareToPlay (double sampleRate, int blockSize)
{
    preparedRate = sampleRate;
    preparedBlockSize = blockSize;
    ++prepares;
}

void TestProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    ++blocks;
    longestBlock = juce::jmax (longestBlock, buffer.getNumSamples());
    buffer.applyGain (values[0]);

    lastBpm = -1.0;

    if (auto* head = getPlayHead())
        if (auto position = head->getPosition())
            if (auto bpm = position->getBpm())
                lastBpm = *bpm;
}

const juce::String TestProcessor::getParameterName (int index)
{
    return parameterNames[index];
}

float TestProcessor::getParameter (int index)
{
    return values[index];
}

const juce::String TestProcessor::getParameterText (int index)
{
    return juce::String (values[index] * 100.0f, 1);
}

juce::String TestProcessor::getParameterLabel (int index) const
{
    return index == 0 ? "%" : "";
}

void TestProcessor::setParameter (int index, float value)
{
    values[index] = value;
}

void TestProcessor::setCurrentProgram (int index)
{
    currentProgram = index;
}

const juce::String TestProcessor::getProgramName (int index)
{
    return programNames[index];
}

void TestProcessor::changeProgramName (int index, const juce::String& name)
{
    programNames[index] = name;
}

void TestProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    juce::XmlElement xml (stateTag);

    for (int i = 0; i < numParameters; ++i)
        xml.setAttribute ("p" + juce::String (i), values[i]);

    xml.setAttribute ("program", currentProgram);
    copyXmlToBinary (xml, destData);
}

void TestProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    juce::XmlElement xml (programTag);
    xml.setAttribute ("name", programNames[currentProgram]);
    copyXmlToBinary (xml, destData);
}

void TestProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    const auto xml = getXmlFromBinary (data, sizeInBytes);

    if (xml == nullptr || ! xml->hasTagName (stateTag))
        return;

    for (int i = 0; i < numParameters; ++i)
        values[i] = (float) xml->getDoubleAttribute ("p" + juce::String (i), values[i]);

    currentProgram = juce::jlimit (0, numPrograms - 1, xml->getIntAttribute ("program"));
}
