#pragma once

#include "ACFUnknown.h"

using AAX_CPropertyValue = int32_t;

/** The host's property map, version 1. */
class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

/** The host's property map, version 2. */
class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t numPluginIDs) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** pluginIDs,
                                                 uint32_t* numPluginIDs) const = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};
