#pragma once

#include "AAX.h"

class AAX_IString;

/** The host's controller of one effect instance: sample rate, stem formats, latency,
    packets to the audio side, meters and notifications.
*/
class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    virtual AAX_Result GetEffectID (AAX_IString* effectID) const = 0;
    virtual AAX_Result GetSampleRate (float* sampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* stemFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* stemFormat) const = 0;
    virtual AAX_Result GetSignalLatency (int32_t* samples) const = 0;
    virtual AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, int32_t* cycles) const = 0;
    virtual AAX_Result GetTODLocation (int64_t* todLocation) const = 0;
    virtual AAX_Result SetSignalLatency (int32_t samples) = 0;
    virtual AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, int32_t* values, int32_t numValues) = 0;
    virtual AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) = 0;
    virtual AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) = 0;
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* value) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* value) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const = 0;
    virtual AAX_Result GetMeterCount (uint32_t* numMeters) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* clipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) = 0;
    virtual AAX_Result GetHybridSignalLatency (int32_t* samples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* hostName) const = 0;
    virtual AAX_Result GetPlugInTargetPlatform (int32_t* targetPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const = 0;
};
