#pragma once

#include "ACFUnknown.h"

/** The host's automation delegate, version 1. */
class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    virtual AAX_Result RegisterParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result UnregisterParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest (AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostReleaseRequest (AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* touched) = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
