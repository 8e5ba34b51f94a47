#pragma once

#include "AAX_CString.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_UIDs.h"
#include "ChunkRecord.h"
#include "FakeHost.h"

#include <gtest/gtest.h>

namespace standin
{
    /** An effect-parameters object as the host holds it: initialised on creation, then
        uninitialised and released, when every interface the host lent must be back.
    */
    class EffectInstance
    {
    public:
        EffectInstance (fakehost::Host& h, IACFUnknown* created) : host (h)
        {
            if (created != nullptr && created->QueryInterface (IID_IAAXEffectParametersV3, reinterpret_cast<void**> (&effect)) == AAX_SUCCESS)
                initializeResult = effect->Initialize (host.unknown());
        }

        ~EffectInstance()
        {
            if (effect != nullptr)
            {
                effect->Uninitialize();
                effect->Release();
            }

            EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
        }

        EffectInstance (const EffectInstance&) = delete;

        AAX_IACFEffectParameters_V3* operator->() const     { return effect; }
        IACFUnknown* unknown() const                        { return effect; }

        /** Confirms every value the plug-in asked the host for; returns how many. */
        size_t answerRequests()
        {
            std::vector<std::pair<std::string, double>> requests;
            {
                const std::lock_guard<std::mutex> lock (host.recordLock);
                requests.swap (host.setRequests);
            }

            for (auto& [identifier, value] : requests)
                effect->UpdateParameterNormalizedValue (identifier.c_str(), value, AAX_eUpdateSource_Unspecified);

            return requests.size();
        }

        /** A change from the host's side: requested, then confirmed. */
        void automate (const char* identifier, double value)
        {
            EXPECT_EQ (effect->SetParameterNormalizedValue (identifier, value), AAX_SUCCESS);
            answerRequests();
        }

        double value (const char* identifier) const
        {
            double normalized = -1.0;
            EXPECT_EQ (effect->GetParameterNormalizedValue (identifier, &normalized), AAX_SUCCESS) << identifier;
            return normalized;
        }

        std::vector<char> saveChunk (AAX_CTypeID chunkID) const
        {
            uint32_t size = 0;
            EXPECT_EQ (effect->GetChunkSize (chunkID, &size), AAX_SUCCESS);
            ChunkRecord record (size, chunkID);
            EXPECT_EQ (effect->GetChunk (chunkID, record.get()), AAX_SUCCESS);
            return record.dataBytes();
        }

        AAX_Result restoreChunk (AAX_CTypeID chunkID, const std::vector<char>& data)
        {
            return effect->SetChunk (chunkID, ChunkRecord::withData (data, chunkID).get());
        }

        AAX_Result initializeResult = -1;

    private:
        fakehost::Host& host;
        AAX_IACFEffectParameters_V3* effect = nullptr;
    };
}
