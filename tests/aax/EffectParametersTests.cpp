#include <gtest/gtest.h>

#include "ChunkRecord.h"
#include "FakeHostInterfaces.h"
#include "TestEffect.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

using fakehost::Host;

namespace
{
    /** An initialised effect in the stand-in host, which answers set requests on demand. */
    class EffectParameters : public testing::Test
    {
    protected:
        EffectParameters()
        {
            effect->hostVisible()->AddRef();
            EXPECT_EQ (effect->Initialize (host.unknown()), AAX_SUCCESS);
        }

        ~EffectParameters() override
        {
            effect->Uninitialize();
            effect->hostVisible()->Release();
            EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
        }

        /** Confirms every value the effect asked the host for, as a host does. */
        void answerRequests()
        {
            const auto requests = std::move (host.setRequests);
            host.setRequests.clear();

            for (auto& [identifier, value] : requests)
                effect->UpdateParameterNormalizedValue (identifier.c_str(), value, AAX_eUpdateSource_Unspecified);
        }

        void setValue (AAX_CParamID identifier, double value)
        {
            effect->UpdateParameterNormalizedValue (identifier, value, AAX_eUpdateSource_Unspecified);
        }

        /** The controls chunk as the host saves it. */
        ChunkRecord saveControls()
        {
            uint32_t size = 0;
            EXPECT_EQ (effect->GetChunkSize (AAX_CEffectParameters::cControlsChunkID, &size), AAX_SUCCESS);
            ChunkRecord record (size, AAX_CEffectParameters::cControlsChunkID);
            EXPECT_EQ (effect->GetChunk (AAX_CEffectParameters::cControlsChunkID, record.get()), AAX_SUCCESS);
            return record;
        }

        Host host;
        TestEffect* effect = new TestEffect (true);
    };
}

TEST_F (EffectParameters, ListsItsParametersInTheOrderTheyWereAdded)
{
    int32_t count = 0;
    EXPECT_EQ (effect->GetNumberOfParameters (&count), AAX_SUCCESS);
    EXPECT_EQ (count, 11);

    const char* expected[] = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "MasterBypassID", "PreviewID" };
    AAX_CString identifier;

    for (int32_t i = 0; i < count; ++i)
    {
        EXPECT_EQ (effect->GetParameterIDFromIndex (i, &identifier), AAX_SUCCESS);
        EXPECT_STREQ (identifier.Get(), expected[i]);
        int32_t index = -1;
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
    EXPECT_EQ (effect->Controller(), nullptr);
    EXPECT_EQ (effect->Transport(), nullptr);
    EXPECT_EQ (effect->GetNumberOfParameters (&count), AAX_SUCCESS);
    EXPECT_EQ (count, 0);
}

TEST_F (EffectParameters, UnknownIdentifiersAreRefused)
{
    AAX_CString text ("kept");
    double value = 0.0;
    int32_t number = 5;
    AAX_CBoolean flag = 1;
    AAX_EParameterType type = AAX_eParameterType_Discrete;
    AAX_IParameter* parameter = effect->parameter ("0");
    const char* unknown = "unknown";

    const std::vector<std::pair<std::function<AAX_Result()>, AAX_Result>> calls = {
        { [&] { return effect->GetParameterIsAutomatable (unknown, &flag); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterNumberOfSteps (unknown, &number); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterDefaultNormalizedValue (unknown, &value); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->SetParameterDefaultNormalizedValue (unknown, 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterType (unknown, &type); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterOrientation (unknown, &number); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameter (unknown, &parameter); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterIndex (nullptr, &number); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterValueFromString (unknown, &value, text); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterStringFromValue (unknown, 0.5, &text, 8); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterValueString (unknown, &text, 8); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterNormalizedValue (unknown, &value); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->SetParameterNormalizedValue (unknown, 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->SetParameterNormalizedRelative (unknown, 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->TouchParameter (unknown); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->ReleaseParameter (unknown); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->UpdateParameterNormalizedValue (unknown, 0.5, 0); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->UpdateParameterNormalizedRelative (unknown, 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID },
        { [&] { return effect->GetParameterName (unknown, &text); }, AAX_SUCCESS },
        { [&] { return effect->GetParameterNameOfLength (unknown, &text, 4); }, AAX_SUCCESS },
    };

    for (size_t k = 0; k < calls.size(); ++k)
        EXPECT_EQ (calls[k].first(), calls[k].second) << "call " << k;

    EXPECT_EQ (flag, 0);
    EXPECT_EQ (parameter, nullptr);
    EXPECT_EQ (number, -1);
    EXPECT_STREQ (text.Get(), "");
    EXPECT_TRUE (host.setRequests.empty());
}

TEST_F (EffectParameters, ControlsChunkSavesEveryValueButTheBypass)
{
    ChunkRecord early (64);
    EXPECT_EQ (effect->GetChunk (AAX_CEffectParameters::cControlsChunkID, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    setValue ("3", 0.75);
    setValue ("MasterBypassID", 1.0);
    auto record = saveControls();
    EXPECT_EQ (record->fVersion, -1);
    EXPECT_STREQ (record->fName, "Complete Controls State");

    AAX_CChunkDataParser parser;
    parser.LoadChunk (record.get());
    ASSERT_EQ (parser.GetNumberOfItems(), 10);

    for (int32_t i = 0; i < 9; ++i)
    {
        EXPECT_STREQ (parser.GetItem (i).mDataName.Get(), std::to_string (i).c_str());
        EXPECT_EQ (parser.GetItem (i).mDataType, AAX_CChunkDataParser::kDataType_Double);
    }

    // A switch other than the bypass is saved as an int32.
    EXPECT_STREQ (parser.GetItem (9).mDataName.Get(), "PreviewID");
    EXPECT_EQ (parser.GetItem (9).mDataType, AAX_CChunkDataParser::kDataType_Int32);

    // A record whose size field disagrees with the size reported is refused.
    uint32_t size = 0;
    effect->GetChunkSize (AAX_CEffectParameters::cControlsChunkID, &size);
    ChunkRecord shorter (size - 4);
    EXPECT_EQ (effect->GetChunk (AAX_CEffectParameters::cControlsChunkID, shorter.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_EQ (effect->GetChunk (AAX_CEffectParameters::cControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
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
    ChunkRecord record (static_cast<size_t> (parser.GetChunkDataSize()), AAX_CEffectParameters::cControlsChunkID);
    ASSERT_EQ (parser.GetChunkData (record.get()), AAX_SUCCESS);

    setValue ("3", 0.9);
    EXPECT_EQ (effect->SetChunk (AAX_CEffectParameters::cControlsChunkID, record.get()), AAX_SUCCESS);
    answerRequests();

    EXPECT_DOUBLE_EQ (effect->normalizedValue ("2"), 0.25);
    EXPECT_FLOAT_EQ ((float) effect->normalizedValue ("3"), 0.9f);
    EXPECT_EQ (effect->normalizedValue ("MasterBypassID"), 0.0) << "the bypass is never restored from the chunk";

    AAX_CBoolean active = 7;
    auto saved = saveControls();
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 1);

    setValue ("4", 0.3);
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 0);

    saved->fChunkID = 0x6A756365;
    EXPECT_EQ (effect->CompareActiveChunk (saved.get(), &active), AAX_SUCCESS);
    EXPECT_EQ (active, 1);

    EXPECT_EQ (effect->SetChunk (AAX_CEffectParameters::cControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->CompareActiveChunk (nullptr, &active), AAX_ERROR_NULL_OBJECT);
}

TEST_F (EffectParameters, RelativeChangesStayWithinTheRange)
{
    struct Case { double current, delta, requested; };

    for (auto c : { Case { 0.9, 0.3, 1.0 }, Case { 0.9, -2.0, 0.0 }, Case { 0.5, 0.25, 0.75 } })
    {
        setValue ("5", c.current);
        host.setRequests.clear();
        EXPECT_EQ (effect->SetParameterNormalizedRelative ("5", c.delta), AAX_SUCCESS);
        ASSERT_EQ (host.setRequests.size(), 1u);
        EXPECT_DOUBLE_EQ (host.setRequests[0].second, c.requested);
    }

    host.setRequests.clear();
    EXPECT_EQ (effect->SetParameterNormalizedRelative ("5", std::numeric_limits<double>::quiet_NaN()), AAX_SUCCESS);
    EXPECT_TRUE (host.setRequests.empty());

    EXPECT_EQ (effect->UpdateParameterNormalizedRelative ("5", -0.25), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (effect->normalizedValue ("5"), 0.25);
}

TEST_F (EffectParameters, ConfirmedValuesMarkPacketsAndCountChanges)
{
    const auto posts = [&] { return host.countCalls ("controller.v1", "PostPacket"); };
    int32_t changes = -1;

    EXPECT_EQ (effect->GenerateCoefficients(), Host::hostResult);
    EXPECT_EQ (posts(), 1);
    EXPECT_EQ (host.packets[3], std::vector<char> (4, 0));

    setValue ("MasterBypassID", 0.0);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 0) << "an unchanged value is no change";
    effect->GenerateCoefficients();
    EXPECT_EQ (posts(), 2) << "but its packet is sent again";

    setValue ("MasterBypassID", 1.0);
    effect->GenerateCoefficients();
    const int32_t one = 1;
    EXPECT_EQ (std::memcmp (host.packets[3].data(), &one, sizeof (one)), 0);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 1);

    EXPECT_EQ (AAX_CEffectParameters::NextChangeCount (41), 42);
    EXPECT_EQ (AAX_CEffectParameters::NextChangeCount (std::numeric_limits<int32_t>::max()), 0);

    // Once uninitialised, nothing is posted to the controller that is gone.
    effect->Uninitialize();
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (posts(), 3);
}

TEST_F (EffectParameters, NamesOfALengthTakeTheLongestLineThatFits)
{
    effect->parameter ("5")->SetName (AAX_CString ("Depth of the tremolo"));
    effect->parameter ("5")->AddShortenedName (AAX_CString ("Depth\nDpt\nD"));

    for (auto [length, expected] : { std::pair<int32_t, const char*> { 4, "Dpt" }, { 5, "Depth" }, { 0, "" }, { 30, "Depth of the tremolo" } })
    {
        AAX_CString name ("old");
        EXPECT_EQ (effect->GetParameterNameOfLength ("5", &name, length), AAX_SUCCESS);
        EXPECT_STREQ (name.Get(), expected) << length;
    }

    EXPECT_EQ (effect->GetParameterNameOfLength ("5", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);
}

TEST_F (EffectParameters, StepCountsBeyondAnInt32AreRefused)
{
    int32_t steps = 0;
    EXPECT_EQ (effect->GetParameterNumberOfSteps ("1", &steps), AAX_SUCCESS);
    EXPECT_EQ (steps, 128);

    effect->parameter ("1")->SetNumberOfSteps (0x80000000u);
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
    ASSERT_EQ (host.setRequests.size(), 1u);
    EXPECT_EQ (host.setRequests[0], (std::pair<std::string, double> ("PreviewID", 1.0)));
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

    // Without a preview parameter the notification does nothing.
    TestEffect plain;
    const int32_t on = 1;
    EXPECT_EQ (plain.NotificationReceived (AAX_CEffectParameters::cPreviewNotification, &on, 4), AAX_SUCCESS);
}
