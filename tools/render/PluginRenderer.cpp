#include "PluginRenderer.h"

PluginRenderer::PluginRenderer()
{
    formatManager.addFormat (new juce::VST3PluginFormat());
}

juce::String PluginRenderer::load (const juce::File& pluginFile, double sampleRate, int numInputChannels)
{
    juce::OwnedArray<juce::PluginDescription> types;

    for (auto* format : formatManager.getFormats())
        format->findAllTypesForFile (types, pluginFile.getFullPathName());

    if (types.isEmpty())
        return "no plug-in found in " + pluginFile.getFullPathName();

    juce::String error;
    plugin = formatManager.createPluginInstance (*types[0], sampleRate, blockSize, error);

    if (plugin == nullptr)
        return "cannot load " + types[0]->name + ": " + error;

    // A mono file becomes a stereo pair where the plug-in allows it.
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (juce::jlimit (1, 2, numInputChannels)));
    layout.outputBuses.add (juce::AudioChannelSet::stereo());

    if (! plugin->setBusesLayout (layout))
        return "the plug-in does not accept " + juce::String (numInputChannels) + " input channel(s) with a stereo output";

    return {};
}

juce::String PluginRenderer::setParameters (const std::map<int, float>& values)
{
    const auto& parameters = plugin->getParameters();

    for (const auto& [index, value] : values)
    {
        if (! juce::isPositiveAndBelow (index, parameters.size()))
            return "no parameter " + juce::String (index) + " (the plug-in has " + juce::String (parameters.size()) + ")";

        parameters[index]->setValue (value);
    }

    return {};
}

juce::AudioBuffer<float> PluginRenderer::render (const juce::AudioBuffer<float>& input, double sampleRate)
{
    const int numChannels = juce::jmax (plugin->getTotalNumInputChannels(), plugin->getTotalNumOutputChannels());
    juce::AudioBuffer<float> output (numChannels, input.getNumSamples());
    output.clear();

    for (int channel = 0; channel < juce::jmin (numChannels, input.getNumChannels()); ++channel)
        output.copyFrom (channel, 0, input, channel, 0, input.getNumSamples());

    plugin->prepareToPlay (sampleRate, blockSize);
    juce::MidiBuffer midi;

    for (int start = 0; start < output.getNumSamples(); start += blockSize)
    {
        juce::AudioBuffer<float> block (output.getArrayOfWritePointers(), numChannels, start,
                                        juce::jmin (blockSize, output.getNumSamples() - start));
        plugin->processBlock (block, midi);
    }

    plugin->releaseResources();
    output.setSize (plugin->getTotalNumOutputChannels(), output.getNumSamples(), true);
    return output;
}
