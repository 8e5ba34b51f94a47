#pragma once

#include "AAX_IACFEffectParameters.h"
#include "FakeHost.h"

#include <string>
#include <vector>

/** The stand-in host's side of a running plug-in instance. */
namespace standin
{
    /** An effect-parameters object as the host holds it: one reference, released (after
        Uninitialize) at the end, when every interface the host lent must be back. The
        host's set requests are confirmed when asked.
    */
    class EffectInstance
    {
    public:
        /** Takes a new object from the plug-in's creation function and initialises it. */
        EffectInstance (fakehost::Host& host, IACFUnknown* created);
        ~EffectInstance();

        AAX_IACFEffectParameters_V3* operator->() const     { return effect; }
        IACFUnknown* unknown() const                        { return effect; }

        /** Confirms every value the plug-in asked for, as a host does; returns how many. */
        size_t answerRequests();

        /** A change from the host's side: requested, then confirmed. */
        void automate (const char* identifier, double value);

        double value (const char* identifier) const;
        std::string text (const char* identifier) const;

        std::vector<char> saveChunk (AAX_CTypeID chunkID) const;
        AAX_Result restoreChunk (AAX_CTypeID chunkID, const std::vector<char>& data);

        AAX_Result initializeResult = -1;

    private:
        fakehost::Host& host;
        AAX_IACFEffectParameters_V3* effect = nullptr;
    };

    /** Runs a component's process routine for one instance as the host does: each field of
        the instance record points at its data, and ports and private blocks hold the last
        packet posted to them.
    */
    class AlgorithmInstance
    {
    public:
        AlgorithmInstance (fakehost::Host& host, const fakehost::DescribedComponent& component);

        void process (const std::vector<float*>& inputs, const std::vector<float*>& outputs, int numSamples);

    private:
        fakehost::Host& host;
        const fakehost::DescribedComponent& component;
        std::vector<void*> record;
        std::vector<std::vector<char>> storage;
        int32_t bufferLength = 0;
    };
}
