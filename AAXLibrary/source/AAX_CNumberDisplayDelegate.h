#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <limits>

/** Shows a value as a fixed-point number with Precision decimals, and reads numbers back.
    SpaceAfter is part of the type only.
*/
template <typename T, uint32_t Precision = 2, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CNumberDisplayDelegate* Clone() const override      { return new AAX_CNumberDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;

        valueString->Clear();
        valueString->AppendNumber (static_cast<double> (value), static_cast<int32_t> (Precision));
        return true;
    }

    /** The full text cut to maxNumChars characters, without a dangling decimal point. */
    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (! ValueToString (value, valueString))
            return false;

        const auto limit = static_cast<uint32_t> (maxNumChars < 0 ? 0 : maxNumChars);

        if (valueString->Length() > limit)
            valueString->Erase (limit, valueString->Length() - limit);

        if (limit > 0 && valueString->Length() == limit && (*valueString)[limit - 1] == '.')
            valueString->Erase (limit - 1, 1);

        return true;
    }

    /** Reads a finite number from the start of the text; what follows it is ignored.
        Numbers beyond T's range become its largest value of the same sign, so the
        parameter's taper can bound them.
    */
    bool StringToValue (const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;

        double number = 0.0;
        const auto read = valueString.ToDouble (&number);
        const auto largest = static_cast<double> (std::numeric_limits<T>::max());

        if (number > largest)
            number = largest;
        else if (number < -largest)
            number = -largest;

        *value = static_cast<T> (number);
        return read;
    }
};
