#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <vector>

/** Shows an on/off value as one of two texts, and reads exactly those texts back. */
template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    /** Shorter texts for displays of at most charLimit characters. */
    struct StringTable
    {
        int32_t charLimit;
        AAX_CString falseString;
        AAX_CString trueString;
    };

    /** A null pointer stands for the empty text. */
    AAX_CBinaryDisplayDelegate (const char* falseText, const char* trueText)
        : falseString (falseText), trueString (trueText),
          maxStrLength (falseString.Length() > trueString.Length() ? falseString.Length() : trueString.Length())
    {
    }

    AAX_CBinaryDisplayDelegate (const AAX_CBinaryDisplayDelegate&) = default;

    AAX_CBinaryDisplayDelegate* Clone() const override      { return new AAX_CBinaryDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;

        *valueString = value ? trueString : falseString;
        return true;
    }

    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;

        const auto limit = maxNumChars < 0 ? 0 : maxNumChars;

        if (stringTables.empty() || static_cast<uint32_t> (limit) >= maxStrLength)
            return ValueToString (value, valueString);

        const auto* entry = &stringTables.front();

        for (auto candidate = stringTables.rbegin(); candidate != stringTables.rend(); ++candidate)
        {
            if (candidate->charLimit <= limit)
            {
                entry = &*candidate;
                break;
            }
        }

        *valueString = value ? entry->trueString : entry->falseString;
        return true;
    }

    /** True for the true text, false for the false text; any other text is refused. */
    bool StringToValue (const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;

        if (valueString == trueString)
        {
            *value = true;
            return true;
        }

        *value = false;
        return valueString == falseString;
    }

private:
    AAX_CString falseString;
    AAX_CString trueString;
    uint32_t maxStrLength;
    std::vector<StringTable> stringTables;
};
