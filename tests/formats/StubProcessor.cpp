#include "StubProcessor.h"
#include "PluginFactory.h"

namespace
{
    struct StubEditor : public juce::AudioProcessorEditor
    {
        explicit StubEditor (juce::AudioProcessor& processor)
            : juce::AudioProcessorEditor (processor)
        {
            ++StubProcessor::liveEditors;
            setSize (StubProcessor::editorWidth, StubProcessor::editorHeight);
        }

        ~StubEditor() override  { --StubProcessor::liveEditors; }
    };
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return StubProcessor::failCreation ? nullptr : new StubProcessor();
}

juce::AudioProcessorEditor* StubProcessor::createEditor()
{
    return offersEditor ? new StubEditor (*this) : nullptr;
}
