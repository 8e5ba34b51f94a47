#include "AAXEffectParametersAdapter.h"
#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "StandInSession.h"

#include <gtest/gtest.h>

#include <limits>

// The adapter built into this test, on the product's processor, so that the processor's
// own notifications can be raised directly.

using fakehost::Host;

TEST (AAXAdapter, ProcessorChangesReachTheHostBetweenTouchAndReleaseWithoutEcho)
{
    Host host;
    host.answers = fakehost::SessionAnswers();
    auto* adapter = new AAXEffectParametersAdapter();
    standin::EffectInstance effect (host, adapter->getHostInterface());
    auto& processor = adapter->getProcessor();

    host.calls.clear();
    processor.beginParameterChangeGesture (5);
    processor.setParameterNotifyingHost (5, 0.3f);
    processor.endParameterChangeGesture (5);
    std::vector<std::string> automation;

    for (auto& call : host.calls)
        automation.push_back (call.operation + " " + call.arguments.front());

    EXPECT_EQ (automation, (std::vector<std::string> { "PostTouchRequest \"5\"", "PostTouchRequest \"5\"", "PostSetValueRequest \"5\"",
                                                       "PostReleaseRequest \"5\"", "PostReleaseRequest \"5\"" }));

    // Confirmed by the host: the value is not sent back again.
    EXPECT_EQ (effect.answerRequests(), 1u);
    EXPECT_EQ (processor.getParameter (5), 0.3f);
    host.calls.clear();
    processor.setParameterNotifyingHost (5, 0.3f);
    EXPECT_TRUE (host.calls.empty());

    // Host values reach the processor bounded, and a NaN not at all.
    effect->UpdateParameterNormalizedValue ("5", std::numeric_limits<double>::quiet_NaN(), AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (5), 0.3f);
    effect->UpdateParameterNormalizedValue ("5", 1.7, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (5), 1.0f);

    // The bypass is the host's alone.
    effect->UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (processor.getParameter (0), 1.0f);

    // Once uninitialised, the processor's changes go nowhere.
    effect->Uninitialize();
    host.calls.clear();
    processor.setParameterNotifyingHost (5, 0.9f);
    EXPECT_TRUE (host.calls.empty());
}

TEST (AAXAdapter, TheStateChunkFollowsTheBasesChunkRules)
{
    Host host;
    host.answers = fakehost::SessionAnswers();
    standin::EffectInstance effect (host, (new AAXEffectParametersAdapter())->getHostInterface());

    int32_t numChunks = 0;
    AAX_CTypeID chunkID = 0;
    EXPECT_EQ (effect->GetNumberOfChunks (&numChunks), AAX_SUCCESS);
    EXPECT_EQ (numChunks, 2);
    EXPECT_EQ (effect->GetChunkIDFromIndex (1, &chunkID), AAX_SUCCESS);
    EXPECT_EQ (chunkID, 0x6A756365u);
    EXPECT_EQ (effect->GetChunkIDFromIndex (0, &chunkID), AAX_SUCCESS);
    EXPECT_EQ (chunkID, 0x656C636Bu);
    EXPECT_EQ (effect->GetChunkIDFromIndex (2, &chunkID), AAX_ERROR_INVALID_CHUNK_INDEX);

    // Before its size was asked, and into a record of another size, nothing is written.
    ChunkRecord early (16, 0x6A756365);
    EXPECT_EQ (effect->GetChunk (0x6A756365, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    uint32_t size = 0;
    EXPECT_EQ (effect->GetChunkSize (0x6A756365, &size), AAX_SUCCESS);
    ChunkRecord shorter (size - 1, 0x6A756365);
    EXPECT_EQ (effect->GetChunk (0x6A756365, shorter.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    ChunkRecord exact (size, 0x6A756365);
    EXPECT_EQ (effect->GetChunk (0x6A756365, exact.get()), AAX_SUCCESS);
    EXPECT_EQ (exact->fSize, (int32_t) size);

    exact->fSize = -8;
    EXPECT_EQ (effect->SetChunk (0x6A756365, exact.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_EQ (effect->GetChunk (0x6A756365, nullptr), AAX_ERROR_NULL_OBJECT);
}
