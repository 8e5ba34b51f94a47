#pragma once

#include "DspBase.h"

/** Base of the filters: one or two samples processed in place. */
class ModuleBase : public DspBase
{
public:
    ModuleBase();

    virtual void process (double& sample) = 0;
    virtual void process (double& left, double& right) = 0;
};
