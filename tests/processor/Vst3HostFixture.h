#pragma once

#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

namespace ProcessorTest
{
    inline juce::File bundle()  { return juce::File (LUMIVER_VST3_BUNDLE); }

    /** Finds the bundle's plug-in through the framework's plug-in hosting and
        makes instances of it, as a host would. */
    class Vst3Host : public testing::Test
    {
    protected:
        void SetUp() override
        {
            formatManager.addFormat (new juce::VST3PluginFormat());
            juce::OwnedArray<juce::PluginDescription> types;
            formatManager.getFormat (0)->findAllTypesForFile (types, bundle().getFullPathName());
            ASSERT_EQ (types.size(), 1) << bundle().getFullPathName();
            description = *types[0];
        }

        std::unique_ptr<juce::AudioPluginInstance> load (double sampleRate = 48000.0, int blockSize = 512)
        {
            juce::String error;
            auto instance = formatManager.createPluginInstance (description, sampleRate, blockSize, error);
            EXPECT_NE (instance, nullptr) << error;
            return instance;
        }

        static void setValue (juce::AudioProcessor& processor, int index, float value)
        {
            processor.getParameters()[index]->setValue (value);
        }

        static juce::AudioBuffer<float> render (juce::AudioProcessor& processor, juce::AudioBuffer<float> input, int blockSize)
        {
            processInBlocks (processor, input, blockSize);
            return input;
        }

        juce::AudioPluginFormatManager formatManager;
        juce::PluginDescription description;
    };
}
