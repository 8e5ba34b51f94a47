#pragma once

/** The common base of every taper delegate, whatever its value type. */
class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

/** Maps a parameter's values between real units and the normalized range 0 to 1, and
    keeps real values inside the parameter's range.
*/
template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    /** A new delegate of the same class and state, owned by the caller. */
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue (T value) const = 0;
    virtual T NormalizedToReal (double normalizedValue) const = 0;
    virtual double RealToNormalized (T realValue) const = 0;
};
