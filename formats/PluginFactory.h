#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/** Creates the plug-in's processor; defined by the product (or by a test). */
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();
