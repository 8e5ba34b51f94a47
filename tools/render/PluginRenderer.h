#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <map>

/** Plays an audio buffer through a VST3 plug-in loaded with the framework's
    plug-in hosting, as a host would: scan, instantiate, set parameter values,
    prepare and process block by block.
*/
class PluginRenderer
{
public:
    static constexpr int blockSize = 512;

    PluginRenderer();

    /** Loads the plug-in bundle; returns an error text, or an empty one on success. */
    juce::String load (const juce::File& pluginFile, double sampleRate, int numInputChannels);

    /** Sets parameter values (index to normalised value) before rendering. */
    juce::String setParameters (const std::map<int, float>& values);

    /** Processes the buffer in place; a mono input leaves as a stereo pair when
        the plug-in offers one input and two outputs.
    */
    juce::AudioBuffer<float> render (const juce::AudioBuffer<float>& input, double sampleRate);

private:
    juce::AudioPluginFormatManager formatManager;
    std::unique_ptr<juce::AudioPluginInstance> plugin;
};
