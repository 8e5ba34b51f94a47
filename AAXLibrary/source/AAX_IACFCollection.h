#pragma once

#include "ACFUnknown.h"

/** The host's collection object, version 1. The operations at positions 3 to 6 are the
    host's own and are never called by the plug-in.
*/
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result UnusedOperation3() = 0;
    virtual AAX_Result UnusedOperation4() = 0;
    virtual AAX_Result UnusedOperation5() = 0;
    virtual AAX_Result UnusedOperation6() = 0;
    virtual AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* manufacturerName) = 0;
    virtual AAX_Result AddPackageName (const char* packageName) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;
    virtual AAX_Result SetProperties (IACFUnknown* properties) = 0;

protected:
    ~AAX_IACFCollection() = default;
};
