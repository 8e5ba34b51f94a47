#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    AAX_CEffectGUI::Uninitialize();
}

AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* hostContext)
{
    // A host may initialise again, after a failed first attempt say: the
    // wrappers of the earlier call are replaced, not leaked.
    delete mController;
    mController = new AAX_VController (hostContext);

    if (hostContext == nullptr)
        return AAX_ERROR_NULL_COMPONENT;

    // A context without a data model leaves the holder empty.
    hostContext->QueryInterface (IID_IAAXEffectParametersV1, mEffectParameters.getOutputSlot());
    delete mTransport;
    mTransport = new AAX_VTransport (hostContext);
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    mEffectParameters.reset();

    delete mController;
    mController = nullptr;
    delete mTransport;
    mTransport = nullptr;
    delete mViewContainer;
    mViewContainer = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* viewContainer)
{
    delete mViewContainer;
    mViewContainer = nullptr;

    if (viewContainer != nullptr)
    {
        mViewContainer = new AAX_VViewContainer (viewContainer);
        CreateViewContainer();
        UpdateAllParameters();
    }
    else
    {
        DeleteViewContainer();
    }

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const                                   { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*)                                                 { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::TimerWakeup()                                                    { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID)                                  { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const          { return AAX_ERROR_NULL_OBJECT; }
AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor) { return AAX_SUCCESS; }

void AAX_CEffectGUI::UpdateAllParameters()
{
    auto* effectParameters = mEffectParameters.get();
    int32_t numParameters = 0;

    if (effectParameters == nullptr || effectParameters->GetNumberOfParameters (&numParameters) != AAX_SUCCESS)
        return;

    for (int32_t index = 0; index < numParameters; ++index)
    {
        AAX_CString identifier;

        if (effectParameters->GetParameterIDFromIndex (index, &identifier) == AAX_SUCCESS)
            ParameterUpdated (identifier.Get());
    }
}

AAX_IACFEffectParameters* AAX_CEffectGUI::GetEffectParameters() const noexcept  { return mEffectParameters.get(); }
AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const noexcept           { return mViewContainer; }

int32_t AAX_CEffectGUI::GetViewContainerType() const
{
    return mViewContainer != nullptr ? mViewContainer->GetType() : 0;
}

void* AAX_CEffectGUI::GetViewContainerPtr() const
{
    return mViewContainer != nullptr ? mViewContainer->GetPtr() : nullptr;
}
