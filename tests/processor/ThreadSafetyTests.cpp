#include "ProcessorTestHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace ProcessorTest;

// A host thread hammers setParameter (the wave type included) while another
// runs processBlock and the message thread runs the type-change timer, reads
// the state, switches programs and stores preset paths as the editor does.
// Meant to run under ThreadSanitizer.
TEST (ProcessorThreads, ParameterChangesRaceNothingWithTheAudioThread)
{
    LumiverPX2741AudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);

    std::atomic<bool> running { true };
    std::atomic<bool> outputFinite { true };
    std::atomic<int> blocks { 0 };
    std::atomic<int> typeFades { 0 };

    std::thread audioThread ([&]
    {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        int position = 0;

        while (running.load())
        {
            for (int i = 0; i < 256; ++i, ++position)
                for (int channel = 0; channel < 2; ++channel)
                    buffer.setSample (channel, i, (float) std::sin (0.05 * position));

            const bool wasFading = processor.typeFadeActive;
            processor.processBlock (buffer, midi);

            if (processor.typeFadeActive && ! wasFading)
                typeFades.fetch_add (1);

            for (int channel = 0; channel < 2; ++channel)
                for (int i = 0; i < 256; ++i)
                    if (! std::isfinite (buffer.getSample (channel, i)))
                        outputFinite = false;

            blocks.fetch_add (1);
        }
    });

    std::thread hostThread ([&]
    {
        juce::Random random (9);

        while (running.load())
        {
            // The type changes in bursts, so that it rests long enough between
            // them for the timer to take it; the other values never rest.
            const bool typeBurst = juce::Time::getMillisecondCounter() % 150 < 40;
            processor.setParameter (2 + random.nextInt (numParameters - 2), random.nextFloat());
            processor.setParameter (random.nextBool() ? 0 : 7, random.nextInt (8) == 0 ? 0.0f : 1.0f);

            if (typeBurst)
                processor.setParameter (1, (float) random.nextInt (3) * 0.5f);

            // Hosts ask for program names, which read the preset paths the
            // editor writes.
            processor.getProgramName (random.nextInt (LumiverPX2741AudioProcessor::numPrograms));

            std::this_thread::yield();
        }
    });

    // At least two seconds of racing; on a loaded machine (or under a
    // sanitizer) it goes on until a few type changes have gone through.
    const auto start = juce::Time::getMillisecondCounter();
    const auto keepRacing = [&]
    {
        const auto elapsed = juce::Time::getMillisecondCounter() - start;
        return elapsed < 2000 || (typeFades.load() < 3 && elapsed < 20000);
    };

    for (int round = 0; keepRacing(); ++round)
    {
        runMessageLoop (20);

        juce::MemoryBlock state;
        processor.getStateInformation (state);

        // A program change re-sends the type too, so it comes less often.
        if (round % 15 == 0)
            processor.setCurrentProgram (round / 15 % 12);

        processor.getParameterText (1);
        processor.setActivePresetPath ("Bank/Preset " + juce::String (round) + ".vpxp");
        processor.parametersChanged = false;
    }

    running = false;
    audioThread.join();
    hostThread.join();

    EXPECT_TRUE (outputFinite.load());
    EXPECT_GT (blocks.load(), 10);
    EXPECT_GE (typeFades.load(), 3);
}

// The editor's poll: it takes parametersChanged first and acts on the program and slot flags
// only in a tick that found it raised. Once a tick has taken the last raise no flag may be left
// raised, and a tick that saw a program change saw its values.
TEST (ProcessorThreads, EditorPollSeesEveryChangeCompleteAndLeavesNoFlagBehind)
{
    LumiverPX2741AudioProcessor processor;
    juce::MemoryBlock programStates[LumiverPX2741AudioProcessor::numPrograms];

    for (int program = 0; program < LumiverPX2741AudioProcessor::numPrograms; ++program)
    {
        processor.programs[program].activeChannel = program % 2;
        processor.programs[program].slotParams[program % 2][depthIndex] = (float) program / 32.0f;
        processor.setCurrentProgram (program);
        processor.getCurrentProgramStateInformation (programStates[program]);
    }

    std::atomic<bool> running { true };
    std::atomic<int> ticks { 0 }, incompleteTicks { 0 };

    std::thread editorPoll ([&]
    {
        while (running.load())
        {
            // acq_rel: the release half tells the loop below that a tick took the flag.
            if (processor.parametersChanged.exchange (false, std::memory_order_acq_rel))
            {
                processor.slotChanged.exchange (false, std::memory_order_acquire);

                if (processor.programChanged.exchange (false, std::memory_order_acquire))
                    for (int k = 0; k < numParameters; ++k)
                        if (processor.currentParams[k].load() != processor.getParameter (k))
                            incompleteTicks.fetch_add (1);
            }

            ticks.fetch_add (1);
        }
    });

    // A lost flag is a narrow race: it takes many rounds to show.
    for (int round = 0; round < 20000; ++round)
    {
        if (round % 10 == 0)
        {
            const auto& state = programStates[processor.getCurrentProgram()];
            processor.setCurrentProgramStateInformation (state.getData(), (int) state.getSize());
        }
        else
        {
            processor.setCurrentProgram (round % LumiverPX2741AudioProcessor::numPrograms);
        }

        while (processor.parametersChanged.load())
            std::this_thread::yield();

        for (const int seen = ticks.load(); ticks.load() <= seen;)
            std::this_thread::yield();

        if (processor.programChanged.load() || processor.slotChanged.load())
        {
            ADD_FAILURE() << "a flag was left raised after round " << round;
            break;
        }
    }

    running = false;
    editorPoll.join();
    EXPECT_EQ (incompleteTicks.load(), 0);
}
