#include "LumiverPX2741AudioProcessorEditor.h"
#include "MessageLoopHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// An open editor polls and switches and copies slots on the message thread while a host thread
// automates, switches programs and reads the state and program names (run under ThreadSanitizer).
TEST (EditorThreads, PollAndHostThreadShareTheProcessorWithoutRaces)
{
    LumiverPX2741AudioProcessor processor;
    LumiverPX2741AudioProcessorEditor editor (&processor);
    std::atomic<bool> running { true };

    std::thread hostThread ([&]
    {
        juce::Random random (5);
        juce::MemoryBlock state;

        for (int round = 0; running.load(); ++round)
        {
            processor.setParameter (random.nextInt (numParameters), random.nextFloat());

            if (round % 64 == 0)
                processor.setCurrentProgram (random.nextInt (LumiverPX2741AudioProcessor::numPrograms));

            if (round % 16 == 0)
            {
                processor.getStateInformation (state);
                processor.getProgramName (random.nextInt (LumiverPX2741AudioProcessor::numPrograms));
            }

            std::this_thread::yield();
        }
    });

    for (const auto end = juce::Time::getMillisecondCounter() + 1500; juce::Time::getMillisecondCounter() < end;)
    {
        pumpUntil ([] { return false; }, 20);
        editor.abButton_->setToggleState (! editor.abButton_->getToggleState(), juce::dontSendNotification);
        editor.buttonClicked (editor.abButton_.get());
        editor.buttonClicked (editor.abCopyButton_.get());
    }

    running = false;
    hostThread.join();

    // Afterwards the poll shows the last values the host sent.
    processor.setParameter (depthIndex, 0.375f);
    processor.setParameter (syncIndex, 1.0f);
    EXPECT_TRUE (pumpUntil ([&] { return editor.depthKnob_->getValue() == 0.375 && editor.rateSyncKnob_->isVisible(); }));
}
