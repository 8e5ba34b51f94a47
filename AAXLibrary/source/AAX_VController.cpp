#include "AAX_VController.h"

#include "AAX_UIDs.h"

AAX_VController::AAX_VController (IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface (IID_IAAXControllerV1, version1.getOutputSlot());
    host->QueryInterface (IID_IAAXControllerV2, version2.getOutputSlot());
    host->QueryInterface (IID_IAAXControllerV3, version3.getOutputSlot());
}

AAX_VController::~AAX_VController()
{
    version3.reset();
    version2.reset();
    version1.reset();
}

AAX_Result AAX_VController::GetEffectID (AAX_IString* effectID) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetEffectID (effectID);
}

AAX_Result AAX_VController::GetSampleRate (float* sampleRate) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetEffectSampleRate (sampleRate);
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* stemFormat) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetEffectInputStemFormat (stemFormat);
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* stemFormat) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetEffectOutputStemFormat (stemFormat);
}

AAX_Result AAX_VController::GetSignalLatency (int32_t* samples) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetSignalLatency (samples);
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty whichCycleCount, int32_t* cycles) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCycleCount (whichCycleCount, cycles);
}

AAX_Result AAX_VController::GetTODLocation (int64_t* todLocation) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetTODLocation (todLocation);
}

AAX_Result AAX_VController::SetSignalLatency (int32_t samples)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetSignalLatency (samples);
}

AAX_Result AAX_VController::SetCycleCount (AAX_EProperty* whichCycleCounts, int32_t* values, int32_t numValues)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->SetCycleCount (whichCycleCounts, values, numValues);
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->PostPacket (fieldIndex, payload, payloadSize);
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize)
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->SendNotification (notificationType, data, dataSize);
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID meterID, float* value) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentMeterValue (meterID, value);
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID meterID, float* value) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetMeterPeakValue (meterID, value);
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID meterID) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->ClearMeterPeakValue (meterID);
}

AAX_Result AAX_VController::GetMeterCount (uint32_t* numMeters) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetMeterCount (numMeters);
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* clipped) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetMeterClipped (meterID, clipped);
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID meterID) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->ClearMeterClipped (meterID);
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet)
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetNextMIDIPacket (port, packet);
}

AAX_Result AAX_VController::GetHybridSignalLatency (int32_t* samples) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetHybridSignalLatency (samples);
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (int64_t* timestamp) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetCurrentAutomationTimestamp (timestamp);
}

AAX_Result AAX_VController::GetHostName (AAX_IString* hostName) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetHostName (hostName);
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (int32_t* targetPlatform) const
{
    if (version3.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version3->GetPlugInTargetPlatform (targetPlatform);
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const
{
    if (version3.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version3->GetIsAudioSuite (isAudioSuite);
}
