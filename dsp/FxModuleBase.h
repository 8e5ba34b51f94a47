#pragma once

#include "DspBase.h"

/** Root of the effect modules; it only names itself. */
class FxModuleBase : public DspBase
{
public:
    FxModuleBase();
};
