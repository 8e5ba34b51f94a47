#include "HostWindowEditorHolder.h"
#include "PluginFactory.h"
#include "PluginInstanceOwner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace
{
    bool failCreation = false, offersEditor = false;
    int liveEditors = 0;

    struct StubEditor : public juce::AudioProcessorEditor
    {
        explicit StubEditor (juce::AudioProcessor& p) : juce::AudioProcessorEditor (p)  { ++liveEditors; setSize (120, 90); }
        ~StubEditor() override                                                           { --liveEditors; }
    };

    struct StubProcessor : public juce::AudioProcessor
    {
        const juce::String getName() const override                         { return "Stub"; }
        void prepareToPlay (double, int) override                           {}
        void releaseResources() override                                    {}
        void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
        double getTailLengthSeconds() const override                        { return 0.0; }
        bool acceptsMidi() const override                                   { return false; }
        bool producesMidi() const override                                  { return false; }
        bool hasEditor() const override                                     { return offersEditor; }
        juce::AudioProcessorEditor* createEditor() override                 { return offersEditor ? new StubEditor (*this) : nullptr; }
        int getNumPrograms() override                                       { return 1; }
        int getCurrentProgram() override                                    { return 0; }
        void setCurrentProgram (int) override                               {}
        const juce::String getProgramName (int) override                    { return {}; }
        void changeProgramName (int, const juce::String&) override          {}
        void getStateInformation (juce::MemoryBlock&) override              {}
        void setStateInformation (const void*, int) override                {}
    };

    // Outlives the test, so that a message run late writes nothing that is gone.
    std::atomic<juce::Thread::ThreadID> messageThreadSeen { nullptr };

    void postMessage()
    {
        messageThreadSeen = nullptr;
        juce::MessageManager::callAsync ([] { messageThreadSeen = juce::Thread::getCurrentThreadId(); });
    }
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return failCreation ? nullptr : new StubProcessor();
}

TEST (PluginInstanceOwner, MakesTheProcessorAsTheGivenFormatOnlyAndThrowsWithoutOne)
{
    for (auto format : { juce::AudioProcessor::wrapperType_VST, juce::AudioProcessor::wrapperType_AAX })
    {
        const PluginInstanceOwner owner (format);
        EXPECT_EQ (owner.getProcessor().wrapperType, format);
        EXPECT_EQ (StubProcessor().wrapperType, juce::AudioProcessor::wrapperType_Undefined);
    }

    failCreation = true;
    EXPECT_THROW (PluginInstanceOwner { juce::AudioProcessor::wrapperType_VST }, std::runtime_error);
    failCreation = false;
    EXPECT_EQ (juce::MessageManager::getInstanceWithoutCreating(), nullptr) << "the framework was left running";
}

TEST (HostDrivenMessageLoop, WhileOneExistsTheHostsThreadRunsTheMessages)
{
    const PluginInstanceOwner owner (juce::AudioProcessor::wrapperType_VST);
    const auto hostThread = juce::Thread::getCurrentThreadId();

    {
        HostDrivenMessageLoop loop;
        postMessage();
        loop.processPendingMessages();
        EXPECT_EQ (messageThreadSeen.load(), hostThread);
    }

    // Then the framework's own message thread runs them again.
    postMessage();

    for (int attempt = 0; attempt < 200 && messageThreadSeen.load() == nullptr; ++attempt)
        juce::Thread::sleep (10);

    EXPECT_NE (messageThreadSeen.load(), nullptr);
    EXPECT_NE (messageThreadSeen.load(), hostThread);
}

TEST (HostWindowEditorHolder, TakesTheEditorsSizeAndTellsTheHostOfEachChange)
{
    const PluginInstanceOwner owner (juce::AudioProcessor::wrapperType_VST);
    auto& processor = owner.getProcessor();
    std::vector<std::pair<int, int>> hostSizes;
    const auto resizeHost = [&hostSizes] (int width, int height) { hostSizes.emplace_back (width, height); };
    EXPECT_EQ (HostWindowEditorHolder::create (processor, resizeHost), nullptr) << "a holder without an editor";

    offersEditor = true;
    auto holder = HostWindowEditorHolder::create (processor, resizeHost);
    offersEditor = false;
    ASSERT_NE (holder, nullptr);
    EXPECT_EQ (holder->getBounds(), juce::Rectangle<int> (0, 0, 120, 90));
    auto* editor = processor.getActiveEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (HostWindowEditorHolder::create (processor, resizeHost), nullptr) << "the editor has its holder";

    // A move is no change the host hears of.
    editor->setSize (300, 200);
    editor->setTopLeftPosition (5, 5);
    editor->setSize (200, 300);
    EXPECT_EQ (holder->getBounds(), juce::Rectangle<int> (0, 0, 200, 300));
    EXPECT_EQ (hostSizes, (std::vector<std::pair<int, int>> { { 300, 200 }, { 200, 300 } }));

    holder.reset();
    EXPECT_EQ (liveEditors, 0);
}
