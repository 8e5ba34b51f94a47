#include <gtest/gtest.h>

#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "StandInSession.h"
#include "TestEffect.h"

#include <cstring>
#include <limits>

using fakehost::Host;

namespace
{
    constexpr AAX_CTypeID controlsChunk = AAX_CEffectParameters::cControlsChunkID;

    /** An initialised effect in the stand-in host, which confirms set requests on demand. */
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

TEST_F (EffectParameters, ListsItsParametersInTheOrderTheyWereAdded)
{
    int32_t count = 0;
    EXPECT_EQ (effect->GetNumberOfParameters (&count), AAX_SUCCESS);
    ASSERT_EQ (count, 11);

    const char* expected[] = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "MasterBypassID", "PreviewID" };
    AAX_CString identifier;
    int32_t index = -1;

    for (int32_t i = 0; i < count; ++i)
    {
        EXPECT_EQ (effect->GetParameterIDFromIndex (i, &identifier), AAX_SUCCESS);
        EXPECT_STREQ (identifier.Get(), expected[i]);
        EXPECT_EQ (effect->GetParameterIndex (expected[i], &index), AAX_SUCCESS);
        EXPECT_EQ (index, i);
    }

    EXPECT_EQ (effect->GetParameterIDFromIndex (count, &identifier), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_STREQ (identifier.Get(), "");
    EXPECT_EQ (effect->GetMasterBypassParameter (&identifier), AAX_SUCCESS);
    EXPECT_STREQ (identifier.Get(), "MasterBypassID");
    EXPECT_EQ (host.countCalls ("automation.v1", "RegisterParameter"), 11);

    effect->Uninitialize();
    EXPECT_EQ (host.countCalls ("automation.v1", "UnregisterParameter"), 11);
    EXPECT_EQ (raw->Controller(), nullptr);
    EXPECT_EQ (raw->Transport(), nullptr);
}

TEST_F (EffectParameters, UnknownIdentifiersAreRefused)
{
    AAX_CString text ("kept");
    double value = 0.0;
    int32_t number = 5;
    AAX_CBoolean flag = 1;
    AAX_EParameterType type = AAX_eParameterType_Discrete;
    AAX_IParameter* parameter = raw->parameter ("0");
    const char* unknown = "unknown";

    const AAX_Result results[] = {
        effect->GetParameterIsAutomatable (unknown, &flag), effect->GetParameterNumberOfSteps (unknown, &number),
        effect->GetParameterDefaultNormalizedValue (unknown, &value), effect->SetParameterDefaultNormalizedValue (unknown, 0.5),
        effect->GetParameterType (unknown, &type), effect->GetParameterOrientation (unknown, &number),
        effect->GetParameter (unknown, &parameter), effect->GetParameterIndex (nullptr, &number),
        effect->GetParameterValueFromString (unknown, &value, text), effect->GetParameterStringFromValue (unknown, 0.5, &text, 8),
        effect->GetParameterValueString (unknown, &text, 8), effect->GetParameterNormalizedValue (unknown, &value),
        effect->SetParameterNormalizedValue (unknown, 0.5), effect->SetParameterNormalizedRelative (unknown, 0.5),
        effect->TouchParameter (unknown), effect->ReleaseParameter (unknown),
        effect->UpdateParameterNormalizedValue (unknown, 0.5, 0), effect->UpdateParameterNormalizedRelative (unknown, 0.5),
    };

    for (size_t k = 0; k < std::size (results); ++k)
        EXPECT_EQ (results[k], AAX_ERROR_INVALID_PARAMETER_ID) << "call " << k;

    EXPECT_EQ (effect->GetParameterName (unknown, &text), AAX_SUCCESS);
    EXPECT_EQ (effect->GetParameterNameOfLength (unknown, &text, 4), AAX_SUCCESS);
    EXPECT_EQ (flag, 0);
    EXPECT_EQ (parameter, nullptr);
    EXPECT_EQ (number, -1);
    EXPECT_STREQ (text.Get(), "");
    EXPECT_TRUE (host.setRequests.empty());
}

TEST_F (EffectParameters, ControlsChunkSavesEveryValueButTheBypass)
{
    ChunkRecord early (64);
    EXPECT_EQ (effect->GetChunk (controlsChunk, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    setValue ("MasterBypassID", 1.0);
    uint32_t size = 0;
    EXPECT_EQ (effect->GetChunkSize (controlsChunk, &size), AAX_SUCCESS);
    ChunkRecord record (size), shorter (size - 4);
    EXPECT_EQ (effect->GetChunk (controlsChunk, shorter.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    ASSERT_EQ (effect->GetChunk (controlsChunk, record.get()), AAX_SUCCESS);
    EXPECT_EQ (record->fVersion, -1);
    EXPECT_STREQ (record->fName, "Complete Controls State");

    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (parser.GetNumberOfItems(), 10);

    // Floats as doubles; a switch other than the bypass as an int32.
    for (int32_t i = 0; i < 10; ++i)
    {
        EXPECT_STREQ (parser.GetItem (i).mDataName.Get(), i < 9 ? std::to_string (i).c_str() : "PreviewID");
        EXPECT_EQ (parser.GetItem (i).mDataType, i < 9 ? AAX_CChunkDataParser::kDataType_Double : AAX_CChunkDataParser::kDataType_Int32);
    }

    EXPECT_EQ (effect->GetChunk (controlsChunk, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->GetChunk (0x6A756365, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    AAX_CTypeID chunkID = 1;
    EXPECT_EQ (effect->GetChunkIDFromIndex (1, &chunkID), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ (chunkID, 0u);
}

TEST_F (EffectParameters, RestoringAChunkSetsWhatItHoldsAndComparingFollowsTheValues)
{
    AAX_CChunkDataParser parser;

    for (int i = 0; i < 9; ++i)
        if (i != 3)
            parser.AddDouble (std::to_string (i).c_str(), 0.125 * i);

    parser.AddInt32 ("MasterBypassID", 1);
    ChunkRecord record (static_cast<size_t> (parser.GetChunkDataSize()), controlsChunk);
    ASSERT_EQ (parser.GetChunkData (record.get()), AAX_SUCCESS);

    setValue ("3", 0.9);
    EXPECT_EQ (effect->SetChunk (controlsChunk, record.get()), AAX_SUCCESS);
    effect.answerRequests();

    EXPECT_DOUBLE_EQ (effect.value ("2"), 0.25);
    EXPECT_FLOAT_EQ ((float) effect.value ("3"), 0.9f) << "an entry missing from the chunk leaves its value";
    EXPECT_EQ (effect.value ("MasterBypassID"), 0.0) << "the bypass is never restored from the chunk";

    AAX_CBoolean active = 7;
    auto saved = ChunkRecord::withData (effect.saveChunk (controlsChunk), controlsChunk);
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 1);

    setValue ("4", 0.3);
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 0);

    saved->fChunkID = 0x6A756365;
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 1);

    EXPECT_EQ (effect->SetChunk (controlsChunk, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->CompareActiveChunk (nullptr, &active), AAX_ERROR_NULL_OBJECT);
}

TEST_F (EffectParameters, RelativeChangesStayWithinTheRange)
{
    for (auto [current, delta, requested] : { std::tuple { 0.9, 0.3, 1.0 }, { 0.9, -2.0, 0.0 }, { 0.5, 0.25, 0.75 } })
    {
        setValue ("5", current);
        host.setRequests.clear();
        EXPECT_EQ (effect->SetParameterNormalizedRelative ("5", delta), AAX_SUCCESS);
        EXPECT_EQ (host.setRequests, (std::vector<std::pair<std::string, double>> { { "5", requested } }));
    }

    host.setRequests.clear();
    EXPECT_EQ (effect->SetParameterNormalizedRelative ("5", std::numeric_limits<double>::quiet_NaN()), AAX_SUCCESS);
    EXPECT_TRUE (host.setRequests.empty());
    EXPECT_EQ (effect->UpdateParameterNormalizedRelative ("5", -0.25), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (effect.value ("5"), 0.25);
}

TEST_F (EffectParameters, ConfirmedValuesMarkPacketsAndCountChanges)
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

    EXPECT_EQ (AAX_CEffectParameters::NextChangeCount (41), 42);
    EXPECT_EQ (AAX_CEffectParameters::NextChangeCount (std::numeric_limits<int32_t>::max()), 0);

    // Once uninitialised, nothing is posted to the controller that is gone.
    effect->Uninitialize();
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (posts(), 3);
}

TEST_F (EffectParameters, NamesAndStepsAsTheHostAsksForThem)
{
    raw->parameter ("5")->SetName (AAX_CString ("Depth of the tremolo"));
    raw->parameter ("5")->AddShortenedName (AAX_CString ("Depth\nDpt\nD"));

    for (auto [length, expected] : { std::pair<int32_t, const char*> { 4, "Dpt" }, { 5, "Depth" }, { 0, "" }, { 30, "Depth of the tremolo" } })
    {
        AAX_CString name ("old");
        EXPECT_EQ (effect->GetParameterNameOfLength ("5", &name, length), AAX_SUCCESS);
        EXPECT_STREQ (name.Get(), expected) << length;
    }

    EXPECT_EQ (effect->GetParameterNameOfLength ("5", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);

    int32_t steps = 0;
    EXPECT_EQ (effect->GetParameterNumberOfSteps ("1", &steps), AAX_SUCCESS);
    EXPECT_EQ (steps, 128);
    raw->parameter ("1")->SetNumberOfSteps (0x80000000u);
    EXPECT_EQ (effect->GetParameterNumberOfSteps ("1", &steps), AAX_ERROR_NEGATIVE_STEP_COUNT);
    EXPECT_EQ (steps, 128);
}

TEST_F (EffectParameters, ThePreviewNotificationNeedsItsValue)
{
    const int32_t on = 1;
    const int16_t shortValue = 1;

    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, nullptr, 4), AAX_SUCCESS);
    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &shortValue, 2), AAX_SUCCESS);
    EXPECT_EQ (effect->NotificationReceived (0x1234, &on, 4), AAX_SUCCESS);
    EXPECT_TRUE (host.setRequests.empty());

    EXPECT_EQ (effect->NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &on, 4), AAX_SUCCESS);
    EXPECT_EQ (host.setRequests, (std::vector<std::pair<std::string, double>> { { "PreviewID", 1.0 } }));

    // Without a preview parameter the notification does nothing.
    TestEffect plain;
    EXPECT_EQ (plain.NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &on, 4), AAX_SUCCESS);
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
