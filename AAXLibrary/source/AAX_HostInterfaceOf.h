#pragma once

#include "ACFUnknown.h"

/** Finds the host interface behind an object a caller passes to a wrapper.

    A null object stands for "none" and gives a null interface. An object that is not one
    of the library's own wrappers of type Wrapper has no host interface to pass on and is
    refused: the function then returns false.
*/
template <typename Wrapper, typename Abstract>
bool AAX_GetHostInterfaceOf (Abstract* object, IACFUnknown*& hostInterface)
{
    hostInterface = nullptr;

    if (object == nullptr)
        return true;

    if (auto* wrapper = dynamic_cast<Wrapper*> (object))
    {
        hostInterface = wrapper->GetIUnknown();
        return true;
    }

    return false;
}
