#include <gtest/gtest.h>

#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "TestEffect.h"

#include <atomic>
#include <thread>

using fakehost::Host;

// Two host threads confirm values and generate coefficients at once: the dispatcher's lock
// and its owner must keep them apart, which ThreadSanitizer checks.
TEST (DispatcherThreads, TwoHostThreadsMarkAndDispatchTogether)
{
    constexpr int rounds = 2000;
    Host host;
    TestEffect effect;
    ASSERT_EQ (effect.Initialize (host.unknown()), AAX_SUCCESS);

    std::thread automation ([&]
    {
        for (int i = 0; i < rounds; ++i)
        {
            effect.UpdateParameterNormalizedValue ("MasterBypassID", i & 1, AAX_eUpdateSource_Unspecified);
            effect.UpdateParameterNormalizedValue ("5", i / double (rounds), AAX_eUpdateSource_Unspecified);
            effect.GenerateCoefficients();
        }
    });

    for (int i = 0; i < rounds; ++i)
    {
        effect.GenerateCoefficients();
        effect.UpdateParameterNormalizedValue ("2", (i % 7) / 7.0, AAX_eUpdateSource_Unspecified);
    }

    automation.join();
    effect.UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    effect.GenerateCoefficients();
    EXPECT_EQ (host.packets[TestEffect::bypassPort], std::vector<char> ({ 1, 0, 0, 0 }));

    int32_t changes = 0;
    effect.GetNumberOfChanges (&changes);
    EXPECT_GT (changes, rounds);
    effect.Uninitialize();
}

// One host thread saves the controls chunk while another compares a saved one with the
// current values for as long as the saving goes on: ThreadSanitizer checks that the two
// share nothing unguarded.
TEST (ChunkThreads, OneThreadSavesTheControlsChunkWhileAnotherComparesIt)
{
    constexpr AAX_CTypeID controlsChunk = AAX_CEffectParameters::cControlsChunkID;
    Host host;
    TestEffect effect;
    ASSERT_EQ (effect.Initialize (host.unknown()), AAX_SUCCESS);

    const auto save = [&]
    {
        uint32_t size = 0;
        effect.GetChunkSize (controlsChunk, &size);
        ChunkRecord record (size, controlsChunk);
        return effect.GetChunk (controlsChunk, record.get()) == AAX_SUCCESS ? record.dataBytes() : std::vector<char>();
    };

    auto saved = ChunkRecord::withData (save(), controlsChunk);
    std::atomic<bool> savingDone { false };
    std::thread saving ([&]
    {
        for (int i = 0; i < 500; ++i)
            EXPECT_EQ (save(), saved.dataBytes());

        savingDone = true;
    });

    AAX_CBoolean active = 1;

    while (active == 1 && ! savingDone)
        effect.CompareActiveChunk (saved.get(), &active);

    saving.join();
    EXPECT_EQ (active, 1);
    effect.Uninitialize();
}
