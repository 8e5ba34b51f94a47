#pragma once

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

/** An effect-parameters object as the host sees it: the host-visible interface first,
    the reference-counted object behind it. It answers the three versions of the
    effect-parameters interface and, through the object base, IID_IACFUnknown.
*/
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V3,
                              public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& iid, void** interfaceOut) override;
    acfUInt32 AddRef() override;
    acfUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& iid, void** interfaceOut) override;
};
