#pragma once

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IAutomationDelegate.h"
#include "ACFPtr.h"

/** The automation delegate of an effect instance, over the host's automation interface.
    Without it every call returns -20004 and calls nothing.
*/
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    /** Asks the host object for the automation interface; a null host gives none. */
    explicit AAX_VAutomationDelegate (IACFUnknown* host);
    ~AAX_VAutomationDelegate() override;

    AAX_VAutomationDelegate (const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator= (const AAX_VAutomationDelegate&) = delete;

    AAX_Result RegisterParameter (AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter (AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest (AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest (AAX_CParamID parameterID) override;
    AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* touched) override;

private:
    ACFPtr<AAX_IACFAutomationDelegate> version1;
};
