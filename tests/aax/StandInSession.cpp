#include "StandInSession.h"

#include "AAX_CString.h"
#include "AAX_UIDs.h"
#include "ChunkRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace standin
{
    EffectInstance::EffectInstance (fakehost::Host& h, IACFUnknown* created)
        : host (h)
    {
        if (created == nullptr || created->QueryInterface (IID_IAAXEffectParametersV3, reinterpret_cast<void**> (&effect)) != AAX_SUCCESS)
            return;

        initializeResult = effect->Initialize (host.unknown());
    }

    EffectInstance::~EffectInstance()
    {
        if (effect != nullptr)
        {
            effect->Uninitialize();
            effect->Release();
        }

        // Every interface the host lent the instance came back exactly once.
        EXPECT_EQ (host.unbalancedInterfaces(), std::vector<std::string>());
    }

    size_t EffectInstance::answerRequests()
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

    void EffectInstance::automate (const char* identifier, double value)
    {
        EXPECT_EQ (effect->SetParameterNormalizedValue (identifier, value), AAX_SUCCESS);
        answerRequests();
    }

    double EffectInstance::value (const char* identifier) const
    {
        double normalized = -1.0;
        EXPECT_EQ (effect->GetParameterNormalizedValue (identifier, &normalized), AAX_SUCCESS) << identifier;
        return normalized;
    }

    std::string EffectInstance::text (const char* identifier) const
    {
        AAX_CString valueText;
        EXPECT_EQ (effect->GetParameterValueString (identifier, &valueText, 32), AAX_SUCCESS) << identifier;
        return valueText.Get();
    }

    std::vector<char> EffectInstance::saveChunk (AAX_CTypeID chunkID) const
    {
        uint32_t size = 0;
        EXPECT_EQ (effect->GetChunkSize (chunkID, &size), AAX_SUCCESS);
        ChunkRecord record (size, chunkID);
        EXPECT_EQ (effect->GetChunk (chunkID, record.get()), AAX_SUCCESS);
        return record.dataBytes();
    }

    AAX_Result EffectInstance::restoreChunk (AAX_CTypeID chunkID, const std::vector<char>& data)
    {
        auto record = ChunkRecord::withData (data, chunkID);
        return effect->SetChunk (chunkID, record.get());
    }

    //==============================================================================
    AlgorithmInstance::AlgorithmInstance (fakehost::Host& h, const fakehost::DescribedComponent& c)
        : host (h), component (c)
    {
        const auto numFields = component.fields.empty() ? 0 : component.fields.rbegin()->first + 1;
        record.assign (static_cast<size_t> (numFields), nullptr);
        storage.resize (static_cast<size_t> (numFields));

        for (auto& [index, field] : component.fields)
            storage[static_cast<size_t> (index)].assign (field.size, 0);
    }

    void AlgorithmInstance::process (const std::vector<float*>& inputs, const std::vector<float*>& outputs, int numSamples)
    {
        using Kind = fakehost::DescribedComponent::FieldKind;
        bufferLength = numSamples;

        for (auto& [index, field] : component.fields)
        {
            auto& bytes = storage[static_cast<size_t> (index)];

            switch (field.kind)
            {
                case Kind::audioIn:         record[(size_t) index] = const_cast<float**> (inputs.data()); break;
                case Kind::audioOut:        record[(size_t) index] = const_cast<float**> (outputs.data()); break;
                case Kind::bufferLength:    record[(size_t) index] = &bufferLength; break;
                case Kind::dataPort:
                case Kind::privateData:
                {
                    const std::lock_guard<std::mutex> lock (host.recordLock);
                    const auto packet = host.packets.find (index);

                    if (packet != host.packets.end())
                        std::memcpy (bytes.data(), packet->second.data(), std::min (bytes.size(), packet->second.size()));

                    record[(size_t) index] = bytes.data();
                    break;
                }
            }
        }

        void* instances[] = { record.data() };
        component.process (instances, instances + 1);
    }
}
