#pragma once

#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/** An effect descriptor created by the host's component factory; every call goes to the
    host interface version that defines it. It owns the component descriptors and property
    maps made through it.
*/
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    /** Keeps a reference to the host object and asks its factory for an effect descriptor. */
    explicit AAX_VEffectDescriptor (IACFUnknown* host);
    ~AAX_VEffectDescriptor() override;

    AAX_VEffectDescriptor (const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator= (const AAX_VEffectDescriptor&) = delete;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType,
                                   const char* nodeName, uint32_t channelMask) override;

    /** The host's version-1 interface without an added reference, or null. */
    IACFUnknown* GetIUnknown() const noexcept;

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFEffectDescriptor> version1;
    ACFPtr<AAX_IACFEffectDescriptor_V2> version2;
    std::vector<std::unique_ptr<AAX_IComponentDescriptor>> componentDescriptors;
    std::vector<std::unique_ptr<AAX_IPropertyMap>> propertyMaps;
};
