#include "AAX_IEffectParameters.h"

#include "AAX_UIDs.h"

ACFRESULT AAX_IEffectParameters::QueryInterface (const acfIID& iid, void** interfaceOut)
{
    return GetControllingUnknown()->QueryInterface (iid, interfaceOut);
}

acfUInt32 AAX_IEffectParameters::AddRef()
{
    return GetControllingUnknown()->AddRef();
}

acfUInt32 AAX_IEffectParameters::Release()
{
    return GetControllingUnknown()->Release();
}

ACFRESULT AAX_IEffectParameters::InternalQueryInterface (const acfIID& iid, void** interfaceOut)
{
    if (interfaceOut == nullptr)
        return ACF_E_POINTER;

    if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 || iid == IID_IAAXEffectParametersV3)
    {
        auto* hostVisible = static_cast<AAX_IACFEffectParameters_V3*> (this);
        *interfaceOut = hostVisible;
        hostVisible->AddRef();
        return AAX_SUCCESS;
    }

    return CACFUnknown::InternalQueryInterface (iid, interfaceOut);
}
