#pragma once

#include "AAX_ITaperDelegate.h"

/** The taper of an on/off parameter: any normalized value above 0 is true. */
template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinaryTaperDelegate* Clone() const override        { return new AAX_CBinaryTaperDelegate (*this); }
    T GetMaximumValue() const override                      { return true; }
    T GetMinimumValue() const override                      { return false; }
    T ConstrainRealValue (T value) const override           { return value; }

    /** True exactly when the value is above 0; a NaN gives false. */
    T NormalizedToReal (double normalizedValue) const override  { return normalizedValue > 0.0; }
    double RealToNormalized (T realValue) const override        { return realValue ? 1.0 : 0.0; }
};
