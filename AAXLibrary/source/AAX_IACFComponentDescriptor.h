#pragma once

#include "ACFUnknown.h"

/** The host's component descriptor, version 1. */
class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                    const char* nodeName, uint32_t channelMask) = 0;
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                              AAX_CInstanceInitProc instanceInitProc,
                                              AAX_CBackgroundProc backgroundProc, AAX_CTypeID* procID) = 0;
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          IACFUnknown* properties, const char* instanceInitProcSymbol,
                                          const char* backgroundProcSymbol, AAX_CTypeID* procID) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0;

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

/** The host's component descriptor, version 2. */
class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};
