#include "HostDrivenMessageLoop.h"
#include "PluginInstanceOwner.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
    // Outlives the test, so that a message run late writes nothing that is gone.
    std::atomic<juce::Thread::ThreadID> messageThreadSeen { nullptr };

    void postMessage()
    {
        messageThreadSeen = nullptr;
        juce::MessageManager::callAsync ([] { messageThreadSeen = juce::Thread::getCurrentThreadId(); });
    }
}

TEST (HostDrivenMessageLoop, WhileOneExistsTheHostsThreadRunsTheMessages)
{
    const PluginInstanceOwner owner (juce::AudioProcessor::wrapperType_VST);
    auto* messageManager = juce::MessageManager::getInstance();
    const auto hostThread = juce::Thread::getCurrentThreadId();

    {
        HostDrivenMessageLoop loop;
        EXPECT_TRUE (messageManager->isThisTheMessageThread());

        postMessage();
        loop.processPendingMessages();
        EXPECT_EQ (messageThreadSeen.load(), hostThread);
    }

    // Then the framework's own message thread runs them again.
    EXPECT_FALSE (messageManager->isThisTheMessageThread());
    postMessage();

    for (int attempt = 0; attempt < 200 && messageThreadSeen.load() == nullptr; ++attempt)
        juce::Thread::sleep (10);

    EXPECT_NE (messageThreadSeen.load(), nullptr);
    EXPECT_NE (messageThreadSeen.load(), hostThread);
}
