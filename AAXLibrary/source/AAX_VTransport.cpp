#include "AAX_VTransport.h"

#include "AAX_UIDs.h"

AAX_VTransport::AAX_VTransport (IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface (IID_IAAXTransportV1, version1.getOutputSlot());
    host->QueryInterface (IID_IAAXTransportV2, version2.getOutputSlot());
}

AAX_VTransport::~AAX_VTransport()
{
    version2.reset();
    version1.reset();
}

AAX_Result AAX_VTransport::GetCurrentTempo (double* tempo) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentTempo (tempo);
}

AAX_Result AAX_VTransport::GetCurrentMeter (int32_t* numerator, int32_t* denominator) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentMeter (numerator, denominator);
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* isPlaying) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->IsTransportPlaying (isPlaying);
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (int64_t* ticks) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentTickPosition (ticks);
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* looping, int64_t* loopStartTick, int64_t* loopEndTick) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentLoopPosition (looping, loopStartTick, loopEndTick);
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (int64_t* sampleLocation) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentNativeSampleLocation (sampleLocation);
}

AAX_Result AAX_VTransport::GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCustomTickPosition (ticks, sampleLocation);
}

AAX_Result AAX_VTransport::GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks, int64_t sampleLocation) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetBarBeatPosition (bars, beats, displayTicks, sampleLocation);
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (uint32_t* ticks) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetTicksPerQuarter (ticks);
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (uint32_t* ticks) const
{
    if (version1.isEmpty())
        return AAX_ERROR_NULL_OBJECT;

    return version1->GetCurrentTicksPerBeat (ticks);
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (int64_t* sampleLocation) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetTimelineSelectionStartPosition (sampleLocation);
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetTimeCodeInfo (frameRate, offset);
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, int64_t* offset) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->GetFeetFramesInfo (feetFramesRate, offset);
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (int32_t* isEnabled) const
{
    if (version2.isEmpty())
        return AAX_ERROR_UNIMPLEMENTED;

    return version2->IsMetronomeEnabled (isEnabled);
}
