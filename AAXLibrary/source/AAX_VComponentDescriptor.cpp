#include "AAX_VComponentDescriptor.h"

#include "AAX_CComponentFactory.h"
#include "AAX_HostInterfaceOf.h"
#include "AAX_UIDs.h"
#include "AAX_VPropertyMap.h"

AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* hostObject)
    : host (hostObject)
{
    const AAX_CComponentFactory factory (hostObject);
    factory.createVersions (AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1, version1,
                            IID_IAAXComponentDescriptorV2, version2);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    propertyMaps.clear();
    version2.reset();
    version1.reset();
    host.reset();
}

AAX_Result AAX_VComponentDescriptor::Clear()
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->Clear();
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddAudioIn (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddAudioOut (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddAudioBufferLength (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddSampleRate (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddClock (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddSideChainIn (fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddDataInPort (fieldIndex, packetSize, portType);
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddAuxOutputStem (fieldIndex, stemFormat, name);
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddPrivateData (fieldIndex, dataSize, options);
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->AddTemporaryData (fieldIndex, dataElementSize);
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddDmaInstance (fieldIndex, dmaMode);
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddMeters (fieldIndex, meterIDs, meterCount);
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                                  const char* nodeName, uint32_t channelMask)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddMIDINode (fieldIndex, nodeType, nodeName, channelMask);
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddReservedField (fieldIndex, fieldType);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source) const
{
    if (source == nullptr)
        return nullptr;

    auto* copy = NewPropertyMap();

    for (auto property = firstCopiedProperty; property <= lastCopiedProperty; ++property)
    {
        int32_t value = 0;

        if (source->GetProperty (property, &value))
            copy->AddProperty (property, value);
    }

    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                                            AAX_CInstanceInitProc instanceInitProc,
                                                            AAX_CBackgroundProc backgroundProc, AAX_CTypeID* procID)
{
    IACFUnknown* hostProperties = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VPropertyMap> (properties, hostProperties))
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddProcessProc_Native (processProc, hostProperties, instanceInitProc, backgroundProc, procID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                        AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                                        const char* backgroundProcSymbol, AAX_CTypeID* procID)
{
    IACFUnknown* hostProperties = nullptr;

    if (version1.isEmpty() || ! AAX_GetHostInterfaceOf<AAX_VPropertyMap> (properties, hostProperties))
        return AAX_ERROR_NULL_OBJECT;

    return version1->AddProcessProc_TI (dllFileName, processProcSymbol, hostProperties,
                                        instanceInitProcSymbol, backgroundProcSymbol, procID);
}

IACFUnknown* AAX_VComponentDescriptor::GetIUnknown() const noexcept
{
    return version1.get();
}
