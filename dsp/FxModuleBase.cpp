#include "FxModuleBase.h"

FxModuleBase::FxModuleBase()
{
    name = "FxModuleBase";
}
