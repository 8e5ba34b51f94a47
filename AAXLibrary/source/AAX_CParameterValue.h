#pragma once

#include "AAX_IParameterValue.h"

#include <atomic>
#include <cstring>
#include <type_traits>

/** A parameter's identifier and value of type T. The value may be read and written from
    different threads.
*/
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    /** The longest identifier kept; longer ones are cut. */
    static constexpr size_t maxIdentifierLength = 31;

    AAX_CParameterValue (AAX_CParamID identifier, T value)
        : mValue (value)
    {
        if (identifier != nullptr)
            std::memcpy (mIdentifier, identifier, strnlen (identifier, maxIdentifierLength));
    }

    AAX_CParameterValue (const AAX_CParameterValue& other)
        : AAX_CParameterValue (other.mIdentifier, other.Get())
    {
    }

    AAX_CParameterValue& operator= (const AAX_CParameterValue&) = delete;

    AAX_IParameterValue* Clone() const override         { return new AAX_CParameterValue (*this); }
    AAX_CParamID Identifier() const override            { return mIdentifier; }

    bool GetValueAsBool (bool* value) const override    { return getAs (value); }
    bool GetValueAsInt32 (int32_t* value) const override { return getAs (value); }
    bool GetValueAsFloat (float* value) const override  { return getAs (value); }
    bool GetValueAsDouble (double* value) const override { return getAs (value); }
    bool GetValueAsString (AAX_IString*) const override { return false; }

    T Get() const noexcept                              { return mValue.load (std::memory_order_relaxed); }
    void Set (T value) noexcept                         { mValue.store (value, std::memory_order_relaxed); }

private:
    template <typename Out>
    bool getAs (Out* value) const
    {
        if constexpr (std::is_same_v<Out, T>)
        {
            if (value == nullptr)
                return false;

            *value = Get();
            return true;
        }
        else
        {
            (void) value;
            return false;
        }
    }

    char mIdentifier[maxIdentifierLength + 1] = {};
    std::atomic<T> mValue;
};
