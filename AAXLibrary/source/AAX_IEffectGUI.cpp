#include "AAX_IEffectGUI.h"

#include "AAX_UIDs.h"

ACFRESULT AAX_IEffectGUI::QueryInterface (const acfIID& iid, void** interfaceOut)
{
    return GetControllingUnknown()->QueryInterface (iid, interfaceOut);
}

acfUInt32 AAX_IEffectGUI::AddRef()
{
    return GetControllingUnknown()->AddRef();
}

acfUInt32 AAX_IEffectGUI::Release()
{
    return GetControllingUnknown()->Release();
}

ACFRESULT AAX_IEffectGUI::InternalQueryInterface (const acfIID& iid, void** interfaceOut)
{
    if (interfaceOut == nullptr)
        return ACF_E_POINTER;

    if (iid == IID_IAAXEffectGUIV1)
    {
        auto* hostVisible = static_cast<AAX_IACFEffectGUI*> (this);
        *interfaceOut = hostVisible;
        hostVisible->AddRef();
        return AAX_SUCCESS;
    }

    return CACFUnknown::InternalQueryInterface (iid, interfaceOut);
}
