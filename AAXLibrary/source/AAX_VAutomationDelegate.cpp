#include "AAX_VAutomationDelegate.h"

#include "AAX_UIDs.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface (IID_IAAXAutomationDelegateV1, version1.getOutputSlot());
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate()
{
    version1.reset();
}

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID parameterID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->RegisterParameter (parameterID);
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID parameterID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->UnregisterParameter (parameterID);
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->PostSetValueRequest (parameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->PostCurrentValue (parameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID parameterID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->PostTouchRequest (parameterID);
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID parameterID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->PostReleaseRequest (parameterID);
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* touched)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetTouchState (parameterID, touched);
}
