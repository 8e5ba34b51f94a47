#include "PluginInstanceOwner.h"
#include "StubProcessor.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST (PluginInstanceOwner, MakesTheProcessorAsTheGivenFormatsOnly)
{
    for (auto format : { juce::AudioProcessor::wrapperType_VST, juce::AudioProcessor::wrapperType_AAX })
    {
        const PluginInstanceOwner owner (format);
        EXPECT_EQ (owner.getProcessor().wrapperType, format);

        // A processor made afterwards, outside any instance, belongs to no format.
        const StubProcessor later;
        EXPECT_EQ (later.wrapperType, juce::AudioProcessor::wrapperType_Undefined);
    }
}

TEST (PluginInstanceOwner, WithoutAProcessorThrowsAndStopsTheFramework)
{
    StubProcessor::failCreation = true;
    EXPECT_THROW ({ const PluginInstanceOwner owner (juce::AudioProcessor::wrapperType_VST); }, std::runtime_error);
    StubProcessor::failCreation = false;

    EXPECT_EQ (juce::MessageManager::getInstanceWithoutCreating(), nullptr);
}
