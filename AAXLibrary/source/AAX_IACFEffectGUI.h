#pragma once

#include "ACFUnknown.h"

/** The host-visible interface of an effect's GUI object. */
class AAX_IACFEffectGUI : public IACFUnknown
{
protected:
    ~AAX_IACFEffectGUI() = default;
};
