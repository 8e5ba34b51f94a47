#pragma once

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IComponentDescriptor.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/** A component descriptor created by the host's component factory; every call goes to
    the host interface version that defines it. It owns the property maps made through it.
*/
class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    /** Keeps a reference to the host object and asks its factory for a component descriptor. */
    explicit AAX_VComponentDescriptor (IACFUnknown* host);
    ~AAX_VComponentDescriptor() override;

    AAX_VComponentDescriptor (const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator= (const AAX_VComponentDescriptor&) = delete;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                            const char* nodeName, uint32_t channelMask) override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() const override;

    /** Copies the properties 10 to 401 that the source holds; a null source gives null. */
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const override;

    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                      AAX_CInstanceInitProc instanceInitProc,
                                      AAX_CBackgroundProc backgroundProc, AAX_CTypeID* procID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                  AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                  const char* backgroundProcSymbol, AAX_CTypeID* procID) override;

    /** The host's version-1 interface without an added reference, or null. */
    IACFUnknown* GetIUnknown() const noexcept;

    /** The range of property identifiers DuplicatePropertyMap copies. */
    static constexpr AAX_EProperty firstCopiedProperty = 10;
    static constexpr AAX_EProperty lastCopiedProperty = 401;

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFComponentDescriptor> version1;
    ACFPtr<AAX_IACFComponentDescriptor_V2> version2;
    mutable std::vector<std::unique_ptr<AAX_IPropertyMap>> propertyMaps;
};
