#pragma once

#include "AAX.h"

/** A set of properties describing an effect, a component or a meter to the host. */
class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    /** Reads a property; false when the map does not hold it. */
    virtual bool GetProperty (AAX_EProperty property, int32_t* value) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, int32_t value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t numPluginIDs) = 0;
    virtual bool GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** pluginIDs,
                                         uint32_t* numPluginIDs) const = 0;
};
