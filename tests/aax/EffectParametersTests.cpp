#include <gtest/gtest.h>

#include "FakeHostInterfaces.h"
#include "StandInSession.h"
#include "TestEffect.h"

#include <limits>
#include <thread>

using fakehost::Host;

namespace
{
    constexpr AAX_CTypeID controlsChunk = AAX_CEffectParameters::cControlsChunkID;
    using Requests = std::vector<std::pair<std::string, double>>;

    class EffectParameters : public testing::Test
    {
    protected:
        void setValue (AAX_CParamID identifier, double value)
        {
            effect->UpdateParameterNormalizedValue (identifier, value, AAX_eUpdateSource_Unspecified);
        }

        Host host;
        TestEffect* raw = new TestEffect (true);
        standin::EffectInstance effect { host, raw->hostVisible() };
    };
}

TEST_F (EffectParameters, FindsParametersByIndexAndRefusesUnknownIdentifiers)
{
    AAX_CString identifier ("old");
    int32_t index = -1;
    EXPECT_EQ (effect->GetParameterIndex ("PreviewID", &index), AAX_SUCCESS);
    EXPECT_EQ (index, 10);
    EXPECT_EQ (effect->GetParameterIDFromIndex (11, &identifier), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_STREQ (identifier.Get(), "");
    EXPECT_EQ (effect->GetMasterBypassParameter (&identifier), AAX_SUCCESS);
    EXPECT_STREQ (identifier.Get(), "MasterBypassID");

    // Each lookup of its own, and one through each shared helper.
    AAX_CString text;
    double value = 0.0;
    AAX_CBoolean flag = 1;
    AAX_IParameter* parameter = raw->parameter ("0");
    const char* unknown = "unknown";

    const AAX_Result results[] = {
        effect->GetParameterIsAutomatable (unknown, &flag), effect->GetParameterNumberOfSteps (unknown, &index),
        effect->GetParameter (unknown, &parameter), effect->GetParameterIndex (nullptr, &index),
        effect->GetParameterValueFromString (unknown, &value, text), effect->GetParameterStringFromValue (unknown, 0.5, &text, 8),
        effect->GetParameterNormalizedValue (unknown, &value), effect->SetParameterNormalizedValue (unknown, 0.5),
        effect->SetParameterNormalizedRelative (unknown, 0.5), effect->UpdateParameterNormalizedValue (unknown, 0.5, 0),
        effect->UpdateParameterNormalizedRelative (unknown, 0.5),
    };

    for (size_t k = 0; k < std::size (results); ++k)
        EXPECT_EQ (results[k], AAX_ERROR_INVALID_PARAMETER_ID) << "call " << k;

    EXPECT_EQ (parameter, nullptr);
    EXPECT_TRUE (host.setRequests.empty());
}

TEST_F (EffectParameters, ControlsChunkHoldsEveryValueButTheBypassAndIsComparedWithThem)
{
    ChunkRecord early (64);
    EXPECT_EQ (effect->GetChunk (controlsChunk, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE) << "written before its size was asked";

    setValue ("2", 0.25);
    setValue ("MasterBypassID", 1.0);
    uint32_t size = 0;
    EXPECT_EQ (effect->GetChunkSize (controlsChunk, &size), AAX_SUCCESS);
    ChunkRecord record (size, controlsChunk), shorter (size - 4), unsized (size);
    EXPECT_EQ (effect->GetChunk (controlsChunk, shorter.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    // A record whose size field is left at 0 has the room its own thread was told of: none here.
    unsized->fSize = 0;
    std::thread ([&] { EXPECT_EQ (effect->GetChunk (controlsChunk, unsized.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE); }).join();
    EXPECT_EQ (effect->GetChunk (controlsChunk, nullptr), AAX_ERROR_NULL_OBJECT);
    ASSERT_EQ (effect->GetChunk (controlsChunk, record.get()), AAX_SUCCESS);
    EXPECT_STREQ (record->fName, "Complete Controls State");

    // Floats as doubles, a switch other than the bypass as an int32.
    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (parser.GetNumberOfItems(), 10);
    EXPECT_STREQ (parser.GetItem (9).mDataName.Get(), "PreviewID");
    EXPECT_EQ (parser.GetItem (9).mDataType, AAX_CChunkDataParser::kDataType_Int32);
    EXPECT_EQ (parser.GetItem (2).mDataType, AAX_CChunkDataParser::kDataType_Double);

    // Restored: an entry missing from the chunk leaves its value, the bypass stays the host's.
    AAX_CChunkDataParser partial;
    partial.AddDouble ("2", 0.25);
    partial.AddInt32 ("MasterBypassID", 0);
    ChunkRecord partialRecord (static_cast<size_t> (partial.GetChunkDataSize()), controlsChunk);
    ASSERT_EQ (partial.GetChunkData (partialRecord.get()), AAX_SUCCESS);
    setValue ("2", 0.5);
    setValue ("3", 0.9);
    EXPECT_EQ (effect->SetChunk (controlsChunk, partialRecord.get()), AAX_SUCCESS);
    effect.answerRequests();
    EXPECT_DOUBLE_EQ (effect.value ("2"), 0.25);
    EXPECT_FLOAT_EQ ((float) effect.value ("3"), 0.9f);
    EXPECT_EQ (effect.value ("MasterBypassID"), 1.0);

    AAX_CBoolean active = 7;
    EXPECT_EQ (effect->CompareActiveChunk (record.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 0);
    setValue ("3", 0.5);
    effect->CompareActiveChunk (record.get(), &active);
    EXPECT_EQ (active, 1);
    EXPECT_EQ (effect->SetChunk (controlsChunk, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F (EffectParameters, RelativeChangesNamesAndStepsStayWithinTheirLimits)
{
    for (auto [current, delta, requested] : { std::tuple { 0.9, 0.3, 1.0 }, { 0.9, -2.0, 0.0 }, { 0.5, 0.25, 0.75 } })
    {
        setValue ("5", current);
        host.setRequests.clear();
        EXPECT_EQ (effect->SetParameterNormalizedRelative ("5", delta), AAX_SUCCESS);
        EXPECT_EQ (host.setRequests, (Requests { { "5", requested } }));
    }

    host.setRequests.clear();
    effect->SetParameterNormalizedRelative ("5", std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE (host.setRequests.empty());

    raw->parameter ("5")->SetName (AAX_CString ("Depth of the tremolo"));
    raw->parameter ("5")->AddShortenedName (AAX_CString ("Depth\nDpt\nD"));

    for (auto [length, expected] : { std::pair<int32_t, const char*> { 4, "Dpt" }, { 5, "Depth" }, { 0, "" }, { 30, "Depth of the tremolo" } })
    {
        AAX_CString name ("old");
        EXPECT_EQ (effect->GetParameterNameOfLength ("5", &name, length), AAX_SUCCESS);
        EXPECT_STREQ (name.Get(), expected) << length;
    }

    int32_t steps = 7;
    raw->parameter ("1")->SetNumberOfSteps (0x80000000u);
    EXPECT_EQ (effect->GetParameterNumberOfSteps ("1", &steps), AAX_ERROR_NEGATIVE_STEP_COUNT);
    EXPECT_EQ (steps, 7);
}

TEST_F (EffectParameters, ConfirmedValuesMarkPacketsAndCountChangesUntilUninitialised)
{
    const auto posts = [&] { return host.countCalls ("controller.v1", "PostPacket"); };
    int32_t changes = -1;

    EXPECT_EQ (effect->GenerateCoefficients(), Host::hostResult);
    EXPECT_EQ (host.packets[3], std::vector<char> (4, 0));

    setValue ("MasterBypassID", 0.0);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 0) << "an unchanged value is no change";
    effect->GenerateCoefficients();
    EXPECT_EQ (posts(), 2) << "but its packet is sent again";

    setValue ("MasterBypassID", 1.0);
    effect->GenerateCoefficients();
    EXPECT_EQ (host.packets[3], std::vector<char> ({ 1, 0, 0, 0 }));
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 1);
    EXPECT_EQ (AAX_CEffectParameters::NextChangeCount (std::numeric_limits<int32_t>::max()), 0);

    // Nothing is posted to a controller that is gone.
    effect->Uninitialize();
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (posts(), 3);
}

TEST_F (EffectParameters, ThePreviewNotificationNeedsItsWholeValue)
{
    const int32_t on = 1;
    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, nullptr, 4), AAX_SUCCESS);
    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &on, 2), AAX_SUCCESS);
    EXPECT_TRUE (host.setRequests.empty());

    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &on, 4), AAX_SUCCESS);
    EXPECT_EQ (host.setRequests, (Requests { { "PreviewID", 1.0 } }));
}

TEST (EffectParametersLifetime, AnObjectReleasedWithoutUninitialisingGivesBackItsHostInterfaces)
{
    Host host;
    auto* effect = new TestEffect;
    effect->hostVisible()->AddRef();
    ASSERT_EQ (effect->Initialize (host.unknown()), AAX_SUCCESS);
    effect->hostVisible()->Release();

    EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
    EXPECT_EQ (host.countCalls ("automation.v1", "UnregisterParameter"), 10);
}
