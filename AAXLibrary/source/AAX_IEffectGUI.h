#pragma once

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

/** An effect GUI object as the host sees it: the host-visible interface first, the
    reference-counted object behind it. It answers IID_IAAXEffectGUIV1 and, through the
    object base, IID_IACFUnknown.
*/
class AAX_IEffectGUI : public AAX_IACFEffectGUI,
                       public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& iid, void** interfaceOut) override;
    acfUInt32 AddRef() override;
    acfUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& iid, void** interfaceOut) override;
};
