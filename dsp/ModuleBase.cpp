#include "ModuleBase.h"

ModuleBase::ModuleBase()
{
    name = "ModuleBase";
}
