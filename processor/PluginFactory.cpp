#include "LumiverPX2741AudioProcessor.h"
#include "LumiverPX2741AudioProcessorEditor.h"

// The plug-in's two factories, kept apart from the processor so that the
// processor library links and tests without any editor. They share one file so
// that linking createPluginFilter() always brings createEditor() with it.

/** The one way in which every plug-in format obtains the effect; the caller
    owns and deletes it.
*/
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new LumiverPX2741AudioProcessor();
}

/** The plug-in's window; the host owns and deletes it. */
juce::AudioProcessorEditor* LumiverPX2741AudioProcessor::createEditor()
{
    return new LumiverPX2741AudioProcessorEditor (this);
}
