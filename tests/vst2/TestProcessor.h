#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

/** A small processor on the index-based parameter API for the adapter's
    tests: a gain (parameter 0), two further parameters, two named programs,
    a state of the three values, and a record of what the adapter did to it.
*/
class TestProcessor : public juce::AudioProcessor
{
public:
    static constexpr int numParameters = 3;
    static constexpr int numPrograms = 2;

    TestProcessor();
    ~TestProcessor() override;

    const juce::String getName() const override                 { return "Test"; }
    void prepareToPlay (double sampleRate, int blockSize) override;
    void releaseResources() override                            { ++releases; }
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;
    double getTailLengthSeconds() const override                { return 0.5; }
    bool acceptsMidi() const override                           { return false; }
    bool producesMidi() const override                          { return false; }
    juce::AudioProcessorEditor* createEditor() override         { return nullptr; }
    bool hasEditor() const override                             { return false; }

    int getNumParameters() override                             { return numParameters; }
    const juce::String getParameterName (int index) override;
    float getParameter (int index) override;
    const juce::String getParameterText (int index) override;
    juce::String getParameterLabel (int index) const override;
    void setParameter (int index, float value) override;
    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;

    int getNumPrograms() override                               { return numPrograms; }
    int getCurrentProgram() override                            { return currentProgram; }
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& name) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;

    /** The instance the last createPluginFilter() made, until it is deleted. */
    static std::atomic<TestProcessor*> lastCreated;
    static std::atomic<int> liveInstances;

    float values[numParameters] = { 0.5f, 0.0f, 0.0f };
    juce::String programNames[numPrograms] = { "First", "Second" };
    int currentProgram = 0;

    double preparedRate = 0.0;
    int preparedBlockSize = 0;
    int prepares = 0, releases = 0;
    int longestBlock = 0;
    int blocks = 0;
    double lastBpm = -1.0;
};
