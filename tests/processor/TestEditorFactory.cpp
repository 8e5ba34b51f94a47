#include "LumiverPX2741AudioProcessor.h"

// The tests link the processor without any editor.
juce::AudioProcessorEditor* LumiverPX2741AudioProcessor::createEditor()
{
    return nullptr;
}
