#pragma once

#include "AAX.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

/** Describes one effect (its names, categories, creation functions and components) to the host. */
class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    /** A new component descriptor owned by this descriptor. */
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent (AAX_IComponentDescriptor* componentDescriptor) = 0;
    virtual AAX_Result AddName (const char* name) = 0;
    virtual AAX_Result AddCategory (uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) = 0;
    virtual AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) = 0;

    /** A new property map owned by this descriptor. */
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) = 0;
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName, AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType,
                                           const char* nodeName, uint32_t channelMask) = 0;
};
