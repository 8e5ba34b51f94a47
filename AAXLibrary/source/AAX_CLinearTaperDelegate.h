#pragma once

#include "AAX_ITaperDelegate.h"

#include <cstdint>

/** A straight-line mapping between the normalized range and [minimum, maximum].

    Values are not rounded; RealPrecision is part of the type only.
*/
template <typename T, int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CLinearTaperDelegate (T minimumValue, T maximumValue)
        : minimum (minimumValue), maximum (maximumValue)
    {
    }

    AAX_CLinearTaperDelegate* Clone() const override        { return new AAX_CLinearTaperDelegate (*this); }
    T GetMaximumValue() const override                      { return maximum; }
    T GetMinimumValue() const override                      { return minimum; }

    /** The nearest bound for a value outside the range; a NaN comes back unchanged. */
    T ConstrainRealValue (T value) const override
    {
        if (value > maximum)
            return maximum;

        if (value < minimum)
            return minimum;

        return value;
    }

    /** Normalized values outside 0 to 1 end at a bound. */
    T NormalizedToReal (double normalizedValue) const override
    {
        const auto real = (static_cast<double> (maximum) - static_cast<double> (minimum)) * normalizedValue
                            + static_cast<double> (minimum);

        // Bounded while still a double, so a huge value is never narrowed out of T's range.
        if (real > static_cast<double> (maximum))
            return maximum;

        if (real < static_cast<double> (minimum))
            return minimum;

        return ConstrainRealValue (static_cast<T> (real));
    }

    /** The position of the constrained value in the range; 0 for an empty range. */
    double RealToNormalized (T realValue) const override
    {
        const auto range = static_cast<double> (maximum) - static_cast<double> (minimum);

        if (range == 0.0)
            return 0.0;

        return (static_cast<double> (ConstrainRealValue (realValue)) - static_cast<double> (minimum)) / range;
    }

private:
    T minimum;
    T maximum;
};
