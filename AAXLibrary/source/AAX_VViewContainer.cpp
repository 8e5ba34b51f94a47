#include "AAX_VViewContainer.h"

#include "AAX_UIDs.h"

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface (IID_IAAXViewContainerV1, version1.getOutputSlot());
    host->QueryInterface (IID_IAAXViewContainerV2, version2.getOutputSlot());
}

AAX_VViewContainer::~AAX_VViewContainer()
{
    version2.reset();
    version1.reset();
}

int32_t AAX_VViewContainer::GetType()
{
    if (version1.isEmpty())
        return 0;

    return version1->GetType();
}

void* AAX_VViewContainer::GetPtr()
{
    if (version1.isEmpty())
        return nullptr;

    return version1->GetPtr();
}

AAX_Result AAX_VViewContainer::GetModifiers (uint32_t* modifiers)
{
    if (version1.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version1->GetModifiers (modifiers);
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& size)
{
    if (version1.isEmpty())
        return AAX_SUCCESS;

    return version1->SetViewSize (size);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers)
{
    if (version1.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version1->HandleParameterMouseDown (parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers)
{
    if (version1.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version1->HandleParameterMouseDrag (parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers)
{
    if (version1.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version1->HandleParameterMouseUp (parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->HandleMultipleParametersMouseDown (parameterIDs, numParameters, modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->HandleMultipleParametersMouseDrag (parameterIDs, numParameters, modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t numParameters, uint32_t modifiers)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->HandleMultipleParametersMouseUp (parameterIDs, numParameters, modifiers);
}
