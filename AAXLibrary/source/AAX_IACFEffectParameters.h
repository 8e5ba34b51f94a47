#pragma once

#include "ACFUnknown.h"

/** The host-visible interfaces of an effect-parameters object, versions 1 to 3.
    Each version begins with every operation of the one before it.
*/
class AAX_IACFEffectParameters : public IACFUnknown
{
protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
protected:
    ~AAX_IACFEffectParameters_V3() = default;
};
