#include <gtest/gtest.h>

#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "TestEffect.h"

#include <atomic>
#include <thread>

using fakehost::Host;

// One host thread saves the controls chunk while another compares a saved one with the
// current values: ThreadSanitizer checks that the two share nothing unguarded.
TEST (ChunkThreads, OneThreadSavesTheControlsChunkWhileAnotherComparesIt)
{
    constexpr int rounds = 500;
    constexpr AAX_CTypeID controlsChunk = AAX_CEffectParameters::cControlsChunkID;
    Host host;
    TestEffect effect;
    ASSERT_EQ (effect.Initialize (host.unknown()), AAX_SUCCESS);

    uint32_t size = 0;
    ASSERT_EQ (effect.GetChunkSize (controlsChunk, &size), AAX_SUCCESS);
    ChunkRecord saved (size, controlsChunk);
    ASSERT_EQ (effect.GetChunk (controlsChunk, saved.get()), AAX_SUCCESS);

    // Compared for as long as the saving thread runs, so that the two overlap.
    std::atomic<bool> savingDone { false };
    int numSaved = 0, numCompared = 0, numActive = 0;
    std::thread saving ([&]
    {
        for (int i = 0; i < rounds; ++i)
        {
            uint32_t roundSize = 0;
            effect.GetChunkSize (controlsChunk, &roundSize);
            ChunkRecord record (roundSize, controlsChunk);
            numSaved += effect.GetChunk (controlsChunk, record.get()) == AAX_SUCCESS && record.dataBytes() == saved.dataBytes();
        }

        savingDone = true;
    });

    do
    {
        AAX_CBoolean active = 0;
        effect.CompareActiveChunk (saved.get(), &active);
        numActive += active;
        ++numCompared;
    }
    while (! savingDone);

    saving.join();
    EXPECT_EQ (numSaved, rounds);
    EXPECT_EQ (numActive, numCompared);
    effect.Uninitialize();
}
