#pragma once

#include "AAX_IACFPropertyMap.h"
#include "AAX_IPropertyMap.h"
#include "ACFPtr.h"

/** A property map created by the host's component factory; every call goes to the host
    interface version that defines it.
*/
class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    /** Asks the host object's factory for a property map; a null host gives a map without
        host interfaces.
    */
    explicit AAX_VPropertyMap (IACFUnknown* host);
    ~AAX_VPropertyMap() override;

    AAX_VPropertyMap (const AAX_VPropertyMap&) = delete;
    AAX_VPropertyMap& operator= (const AAX_VPropertyMap&) = delete;

    bool GetProperty (AAX_EProperty property, int32_t* value) const override;
    AAX_Result AddProperty (AAX_EProperty property, int32_t value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t numPluginIDs) override;
    bool GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** pluginIDs,
                                 uint32_t* numPluginIDs) const override;

    /** The host's version-1 interface without an added reference, or null. */
    IACFUnknown* GetIUnknown() const noexcept;

private:
    ACFPtr<AAX_IACFPropertyMap> version1;
    ACFPtr<AAX_IACFPropertyMap_V2> version2;
};
