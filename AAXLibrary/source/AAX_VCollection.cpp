#include "AAX_VCollection.h"

#include "AAX_CComponentFactory.h"
#include "AAX_HostInterfaceOf.h"
#include "AAX_UIDs.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VCollection::AAX_VCollection (IACFUnknown* hostObject)
    : host (hostObject)
{
    const AAX_CComponentFactory factory (hostObject);

    if (factory.isAvailable())
        factory.create (AAXCompID_AAXCollection, IID_IAAXCollectionV1, version1.getOutputSlot());
}

AAX_VCollection::~AAX_VCollection()
{
    effectDescriptors.clear();
    propertyMaps.clear();
    version1.reset();
    host.reset();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    effectDescriptors.push_back (std::make_unique<AAX_VEffectDescriptor> (host.get()));
    return effectDescriptors.back().get();
}

AAX_Result AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor)
{
    IACFUnknown* hostDescriptor = nullptr;

    if (version1.isEmpty() || effectDescriptor == nullptr
         || ! AAX_GetHostInterfaceOf<AAX_VEffectDescriptor> (effectDescriptor, hostDescriptor))
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddEffect (effectID, hostDescriptor);
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* manufacturerName)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetManufacturerName (manufacturerName);
}

AAX_Result AAX_VCollection::AddPackageName (const char* packageName)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddPackageName (packageName);
}

AAX_Result AAX_VCollection::SetPackageVersion (uint32_t version)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetPackageVersion (version);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    IACFUnknown* hostProperties = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VPropertyMap> (properties, hostProperties))
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetProperties (hostProperties);
}

IACFUnknown* AAX_VCollection::GetIUnknown() const noexcept
{
    return version1.get();
}
