#pragma once

#include "AAX_IACFController.h"
#include "AAX_IController.h"
#include "ACFPtr.h"

/** The controller of an effect instance, over the host's controller versions 1 to 3.
    Every call goes to the version that defines it; without that version it returns
    -20004 (version 1) or -20009 (versions 2 and 3) and calls nothing.
*/
class AAX_VController : public AAX_IController
{
public:
    /** Asks the host object for each controller version; a null host gives none. */
    explicit AAX_VController (IACFUnknown* host);
    ~AAX_VController() override;

    AAX_VController (const AAX_VController&) = delete;
    AAX_VController& operator= (const AAX_VController&) = delete;

    AAX_Result GetEffectID (AAX_IString* effectID) const override;
    AAX_Result GetSampleRate (float* sampleRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* stemFormat) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* stemFormat) const override;
    AAX_Result GetSignalLatency (int32_t* samples) const override;
    AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, int32_t* cycles) const override;
    AAX_Result GetTODLocation (int64_t* todLocation) const override;
    AAX_Result SetSignalLatency (int32_t samples) override;
    AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, int32_t* values, int32_t numValues) override;
    AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* value) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* value) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const override;
    AAX_Result GetMeterCount (uint32_t* numMeters) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* clipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) override;
    AAX_Result GetHybridSignalLatency (int32_t* samples) const override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) const override;
    AAX_Result GetHostName (AAX_IString* hostName) const override;
    AAX_Result GetPlugInTargetPlatform (int32_t* targetPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const override;

private:
    ACFPtr<AAX_IACFController> version1;
    ACFPtr<AAX_IACFController_V2> version2;
    ACFPtr<AAX_IACFController_V3> version3;
};
