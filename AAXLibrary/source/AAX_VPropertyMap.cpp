#include "AAX_VPropertyMap.h"

#include "AAX_CComponentFactory.h"
#include "AAX_UIDs.h"

AAX_VPropertyMap::AAX_VPropertyMap (IACFUnknown* host)
{
    const AAX_CComponentFactory factory (host);
    factory.createVersions (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1, version1,
                            IID_IAAXPropertyMapV2, version2);
}

AAX_VPropertyMap::~AAX_VPropertyMap()
{
    version2.reset();
    version1.reset();
}

bool AAX_VPropertyMap::GetProperty (AAX_EProperty property, int32_t* value) const
{
    if (version1.isEmpty())
        return false;

    return version1->GetProperty (property, value) != 0;
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty property, int32_t value)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddProperty (property, value);
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->RemoveProperty (property);
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                     uint32_t numPluginIDs)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->AddPropertyWithIDArray (property, pluginIDs, numPluginIDs);
}

bool AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** pluginIDs,
                                               uint32_t* numPluginIDs) const
{
    if (version2.isEmpty())
        return false;

    return version2->GetPropertyWithIDArray (property, pluginIDs, numPluginIDs) != 0;
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const noexcept
{
    return version1.get();
}
