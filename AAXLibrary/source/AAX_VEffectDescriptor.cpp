#include "AAX_VEffectDescriptor.h"

#include "AAX_CComponentFactory.h"
#include "AAX_HostInterfaceOf.h"
#include "AAX_UIDs.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* hostObject)
    : host (hostObject)
{
    const AAX_CComponentFactory factory (hostObject);
    factory.createVersions (AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1, version1,
                            IID_IAAXEffectDescriptorV2, version2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    componentDescriptors.clear();
    propertyMaps.clear();
    version2.reset();
    version1.reset();
    host.reset();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    componentDescriptors.push_back (std::make_unique<AAX_VComponentDescriptor> (host.get()));
    return componentDescriptors.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* componentDescriptor)
{
    IACFUnknown* hostComponent = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VComponentDescriptor> (componentDescriptor, hostComponent))
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddComponent (hostComponent);
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* name)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddName (name);
}

AAX_Result AAX_VEffectDescriptor::AddCategory (uint32_t category)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddCategory (category);
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddCategoryBypassParameter (category, parameterID);
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddProcPtr (procPtr, procID);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    IACFUnknown* hostProperties = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VPropertyMap> (properties, hostProperties))
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetProperties (hostProperties);
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType resourceType, const char* info)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddResourceInfo (resourceType, info);
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* meterName, AAX_IPropertyMap* properties)
{
    IACFUnknown* hostProperties = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VPropertyMap> (properties, hostProperties))
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddMeterDescription (meterID, meterName, hostProperties);
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType,
                                                      const char* nodeName, uint32_t channelMask)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->AddControlMIDINode (nodeID, nodeType, nodeName, channelMask);
}

IACFUnknown* AAX_VEffectDescriptor::GetIUnknown() const noexcept
{
    return version1.get();
}
