#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/** A processor that does nothing to the audio, for the shared classes' tests. createPluginFilter()
    makes one unless failCreation is set; it has an editor once offersEditor is set.
*/
class StubProcessor : public juce::AudioProcessor
{
public:
    static constexpr int editorWidth = 120;
    static constexpr int editorHeight = 90;

    static inline bool failCreation = false;
    static inline int liveEditors = 0;

    const juce::String getName() const override                         { return "Stub"; }
    void prepareToPlay (double, int) override                           {}
    void releaseResources() override                                    {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    using juce::AudioProcessor::processBlock;
    double getTailLengthSeconds() const override                        { return 0.0; }
    bool acceptsMidi() const override                                   { return false; }
    bool producesMidi() const override                                  { return false; }
    bool hasEditor() const override                                     { return offersEditor; }
    juce::AudioProcessorEditor* createEditor() override;

    int getNumPrograms() override                                       { return 1; }
    int getCurrentProgram() override                                    { return 0; }
    void setCurrentProgram (int) override                               {}
    const juce::String getProgramName (int) override                    { return {}; }
    void changeProgramName (int, const juce::String&) override          {}
    void getStateInformation (juce::MemoryBlock&) override              {}
    void setStateInformation (const void*, int) override                {}

    bool offersEditor = false;
};
