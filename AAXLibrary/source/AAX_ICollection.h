#pragma once

#include "AAX.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

/** The plug-in's description as a whole: its effects, maker, package names and version. */
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    /** A new effect descriptor owned by the collection. */
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* manufacturerName) = 0;
    virtual AAX_Result AddPackageName (const char* packageName) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;

    /** A new property map owned by the collection. */
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
};
