#pragma once

#include "AAX_CParameterValue.h"
#include "AAX_CString.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <atomic>
#include <cmath>
#include <map>
#include <memory>
#include <type_traits>

/** A parameter whose value has type T (float or bool).

    The value is kept in real units; owned clones of a taper and a display delegate convert
    it to normalized units and to text. While an automation delegate is set, every change
    from the plug-in side is a request to the host (touch, set, release), and the value
    changes only when the host answers through UpdateNormalizedValue. A NaN never reaches
    the value: requests and updates carrying one are ignored.
*/
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    AAX_CParameter (AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                    bool automatable)
        : mNames (name),
          mAutomatable (automatable),
          mTaperDelegate (taperDelegate.Clone()),
          mDisplayDelegate (displayDelegate.Clone()),
          mValue (identifier, T()),
          mDefaultValue (defaultValue)
    {
        if (mNumSteps == 0)
            SetNumberOfSteps (mType == AAX_eParameterType_Continuous ? continuousSteps : discreteSteps);

        SetToDefaultValue();
    }

    ~AAX_CParameter() override
    {
        SetAutomationDelegate (nullptr);
    }

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override        { return new AAX_CParameterValue<T> (mValue); }
    AAX_CParamID Identifier() const override                { return mValue.Identifier(); }

    //==============================================================================
    void SetName (const AAX_CString& name) override         { mNames = name; }
    const AAX_CString& Name() const override                { return mNames; }

    /** Keeps the name under its own length, replacing one of the same length. */
    void AddShortenedName (const AAX_CString& name) override    { mShortenedNames[name.Length()] = name; }

    /** The longest stored name that fits, the shortest one if none fits, or the full name. */
    const AAX_CString& ShortenedName (int32_t numCharacters) const override
    {
        if (numCharacters < 0 || mShortenedNames.empty() || static_cast<uint32_t> (numCharacters) >= mNames.Length())
            return mNames;

        auto fitting = mShortenedNames.upper_bound (static_cast<uint32_t> (numCharacters));

        if (fitting == mShortenedNames.begin())
            return fitting->second;

        return std::prev (fitting)->second;
    }

    void ClearShortenedNames() override                     { mShortenedNames.clear(); }
    bool Automatable() const override                       { return mAutomatable; }

    //==============================================================================
    void SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate) override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->UnregisterParameter (Identifier());

        mAutomationDelegate = automationDelegate;

        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->RegisterParameter (Identifier());
    }

    void Touch() override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostTouchRequest (Identifier());
    }

    void Release() override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostReleaseRequest (Identifier());
    }

    //==============================================================================
    void SetNormalizedValue (double normalizedValue) override
    {
        if (std::isnan (normalizedValue))
            return;

        requestNormalizedValue (mTaperDelegate->RealToNormalized (mTaperDelegate->NormalizedToReal (normalizedValue)));
    }

    double GetNormalizedValue() const override              { return mTaperDelegate->RealToNormalized (mValue.Get()); }

    void SetNormalizedDefaultValue (double normalizedDefault) override
    {
        if (! std::isnan (normalizedDefault))
            mDefaultValue = mTaperDelegate->ConstrainRealValue (mTaperDelegate->NormalizedToReal (normalizedDefault));
    }

    double GetNormalizedDefaultValue() const override       { return mTaperDelegate->RealToNormalized (mDefaultValue); }
    void SetToDefaultValue() override                       { requestNormalizedValue (mTaperDelegate->RealToNormalized (mDefaultValue)); }

    /** Sets the value in real units through a request; the taper bounds it first. */
    void SetValue (T value)                                 { requestNormalizedValue (mTaperDelegate->RealToNormalized (value)); }

    //==============================================================================
    /** A count of 0 is ignored. */
    void SetNumberOfSteps (uint32_t numSteps) override
    {
        if (numSteps != 0)
            mNumSteps = numSteps;
    }

    uint32_t GetNumberOfSteps() const override              { return mNumSteps; }
    uint32_t GetStepValue() const override                  { return GetStepValueFromNormalizedValue (GetNormalizedValue()); }

    double GetNormalizedValueFromStep (uint32_t step) const override
    {
        if (mNumSteps < 2)
            return 0.0;

        return clampUnit (step * stepSize());
    }

    uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override
    {
        if (mNumSteps < 2 || std::isnan (normalizedValue))
            return 0;

        const auto lastStep = static_cast<double> (mNumSteps - 1);
        auto step = normalizedValue / stepSize() + 0.5;

        if (step < 0.0)
            step = 0.0;
        else if (step > lastStep)
            step = lastStep;

        return static_cast<uint32_t> (step);
    }

    void SetStepValue (uint32_t step) override
    {
        if (mNumSteps >= 2)
            SetNormalizedValue (GetNormalizedValueFromStep (step));
    }

    //==============================================================================
    bool GetValueString (AAX_CString* valueString) const override
    {
        return mDisplayDelegate->ValueToString (mValue.Get(), valueString);
    }

    /** The same full text as GetValueString (valueString): the limit is not applied here. */
    bool GetValueString (int32_t, AAX_CString* valueString) const override
    {
        return GetValueString (valueString);
    }

    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const override
    {
        if (std::isnan (normalizedValue))
            return false;

        const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);
        return mDisplayDelegate->ValueToString (real, &valueString) && isInsideRange (real);
    }

    bool GetStringFromNormalizedValue (double normalizedValue, int32_t maxNumChars, AAX_CString& valueString) const override
    {
        if (std::isnan (normalizedValue))
            return false;

        const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);
        return mDisplayDelegate->ValueToString (real, maxNumChars, &valueString) && isInsideRange (real);
    }

    /** False for unreadable text (out untouched) and for text outside the range (out bounded). */
    bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const override
    {
        T real {};

        if (normalizedValue == nullptr || ! mDisplayDelegate->StringToValue (valueString, &real))
            return false;

        *normalizedValue = mTaperDelegate->RealToNormalized (real);
        return isInsideRange (real);
    }

    /** Accepts any readable text; a value outside the range sets the nearest bound. */
    bool SetValueFromString (const AAX_CString& valueString) override
    {
        T real {};

        if (! mDisplayDelegate->StringToValue (valueString, &real))
            return false;

        return requestNormalizedValue (mTaperDelegate->RealToNormalized (real));
    }

    bool GetValueAsString (AAX_IString* value) const override
    {
        if (value == nullptr)
            return false;

        AAX_CString text;
        const auto converted = GetValueString (&text);

        if (converted)
            *value = static_cast<const AAX_IString&> (text);

        return converted;
    }

    bool SetValueWithString (const AAX_IString& value) override
    {
        return SetValueFromString (AAX_CString (value));
    }

    //==============================================================================
    bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const override      { return normalizedFrom (value, normalizedValue); }
    bool GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const override  { return normalizedFrom (value, normalizedValue); }
    bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const override    { return normalizedFrom (value, normalizedValue); }
    bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const override  { return normalizedFrom (value, normalizedValue); }

    bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const override      { return realFrom (normalizedValue, value); }
    bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const override  { return realFrom (normalizedValue, value); }
    bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const override    { return realFrom (normalizedValue, value); }
    bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const override  { return realFrom (normalizedValue, value); }

    bool GetValueAsBool (bool* value) const override        { return mValue.GetValueAsBool (value); }
    bool GetValueAsInt32 (int32_t* value) const override    { return mValue.GetValueAsInt32 (value); }
    bool GetValueAsFloat (float* value) const override      { return mValue.GetValueAsFloat (value); }
    bool GetValueAsDouble (double* value) const override    { return mValue.GetValueAsDouble (value); }

    bool SetValueWithBool (bool value) override             { return setWith (value); }
    bool SetValueWithInt32 (int32_t value) override         { return setWith (value); }
    bool SetValueWithFloat (float value) override           { return setWith (value); }
    bool SetValueWithDouble (double value) override         { return setWith (value); }

    //==============================================================================
    void SetType (AAX_EParameterType type) override         { mType = type; }
    AAX_EParameterType GetType() const override             { return mType; }
    void SetOrientation (int32_t orientation) override      { mOrientation = orientation; }
    int32_t GetOrientation() const override                 { return mOrientation; }

    /** Replaces the taper with a clone of one for this parameter's value type; a taper of
        another type is refused. With preserveValue the real value stays and its normalized
        position moves; otherwise the normalized position stays and is reported.
    */
    void SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) override
    {
        auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*> (&taperDelegate);

        if (typed == nullptr)
            return;

        const auto normalizedValue = GetNormalizedValue();
        mTaperDelegate.reset (typed->Clone());
        mNeedNotify = true;

        if (preserveValue)
            requestNormalizedValue (mTaperDelegate->RealToNormalized (mValue.Get()));
        else
            UpdateNormalizedValue (normalizedValue);
    }

    /** Replaces the display with a clone of one for this parameter's value type; a display
        of another type is refused. The host is told to refresh the shown text.
    */
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate) override
    {
        auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*> (&displayDelegate);

        if (typed == nullptr)
            return;

        mDisplayDelegate.reset (typed->Clone());

        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
    }

    /** The only operation that stores a new value: the host's answer to a request. */
    void UpdateNormalizedValue (double normalizedValue) override
    {
        if (std::isnan (normalizedValue))
            return;

        const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);

        if (isNaN (real) || (! mNeedNotify && real == mValue.Get()))
            return;

        mValue.Set (real);

        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostCurrentValue (Identifier(), normalizedValue);

        mNeedNotify = false;
    }

    /** The step counts a new parameter gets for each type. */
    static constexpr uint32_t continuousSteps = 128;
    static constexpr uint32_t discreteSteps = 2;

private:
    /** Touch, set request and release through the host; without a host, stores at once. */
    bool requestNormalizedValue (double normalizedValue)
    {
        if (std::isnan (normalizedValue))
            return false;

        if (mAutomationDelegate != nullptr)
        {
            Touch();
            mAutomationDelegate->PostSetValueRequest (Identifier(), normalizedValue);
            Release();
        }
        else
        {
            mNeedNotify = true;
            UpdateNormalizedValue (normalizedValue);
        }

        return true;
    }

    double stepSize() const                                 { return 1.0 / static_cast<double> (mNumSteps - 1); }

    static double clampUnit (double value)                  { return value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value); }

    static bool isNaN (T value)
    {
        if constexpr (std::is_floating_point_v<T>)
            return std::isnan (value);
        else
            return false;
    }

    bool isInsideRange (T value) const
    {
        return value >= mTaperDelegate->GetMinimumValue() && value <= mTaperDelegate->GetMaximumValue();
    }

    template <typename In>
    bool normalizedFrom (In value, double* normalizedValue) const
    {
        if constexpr (std::is_same_v<In, T>)
        {
            if (normalizedValue == nullptr || isNaN (value))
                return false;

            *normalizedValue = mTaperDelegate->RealToNormalized (value);
            return true;
        }
        else
        {
            (void) value;
            (void) normalizedValue;
            return false;
        }
    }

    template <typename Out>
    bool realFrom (double normalizedValue, Out* value) const
    {
        if constexpr (std::is_same_v<Out, T>)
        {
            if (value == nullptr || std::isnan (normalizedValue))
                return false;

            *value = mTaperDelegate->NormalizedToReal (normalizedValue);
            return true;
        }
        else
        {
            (void) normalizedValue;
            (void) value;
            return false;
        }
    }

    template <typename In>
    bool setWith (In value)
    {
        if constexpr (std::is_same_v<In, T>)
        {
            if (isNaN (value))
                return false;

            SetValue (value);
            return true;
        }
        else
        {
            (void) value;
            return false;
        }
    }

    AAX_CString mNames;
    std::map<uint32_t, AAX_CString> mShortenedNames;
    bool mAutomatable;
    uint32_t mNumSteps = 0;
    AAX_EParameterType mType = AAX_eParameterType_Continuous;
    int32_t mOrientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::atomic<bool> mNeedNotify { true };
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};

extern template class AAX_CParameter<float>;
extern template class AAX_CParameter<bool>;
