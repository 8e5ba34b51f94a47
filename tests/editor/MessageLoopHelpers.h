#pragma once

#include <juce_events/juce_events.h>

namespace juce
{
    // The Linux message loop's own dispatch step: modal loops are off, so the tests drive the loop.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

/** Delivers the messages posted so far: clicks, key actions, repaints. */
inline void deliverPendingMessages()
{
    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

/** Runs the message loop until condition() holds or timeoutMs has passed; says whether it
    holds. The default bound is generous: a busy machine may be slow to show anything. */
template <typename Condition>
bool pumpUntil (Condition condition, int timeoutMs = 10000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition() && juce::Time::getMillisecondCounter() < end)
        if (! juce::dispatchNextMessageOnSystemQueue (true))
            juce::Thread::sleep (1);

    return condition();
}
