#pragma once

#include "AAX_IACFTransport.h"
#include "AAX_ITransport.h"
#include "ACFPtr.h"

/** The transport of an effect instance, over the host's transport versions 1 and 2. Every
    call goes to the version that defines it; without it the call returns -20004
    (version 1) or -20009 (version 2) and calls nothing.
*/
class AAX_VTransport : public AAX_ITransport
{
public:
    /** Asks the host object for each transport version; a null host gives none. */
    explicit AAX_VTransport (IACFUnknown* host);
    ~AAX_VTransport() override;

    AAX_VTransport (const AAX_VTransport&) = delete;
    AAX_VTransport& operator= (const AAX_VTransport&) = delete;

    AAX_Result GetCurrentTempo (double* tempo) const override;
    AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) const override;
    AAX_Result IsTransportPlaying (bool* isPlaying) const override;
    AAX_Result GetCurrentTickPosition (int64_t* ticks) const override;
    AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* loopStartTick, int64_t* loopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) const override;
    AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks, int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter (uint32_t* ticks) const override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, int64_t* offset) const override;
    AAX_Result IsMetronomeEnabled (int32_t* isEnabled) const override;

private:
    ACFPtr<AAX_IACFTransport> version1;
    ACFPtr<AAX_IACFTransport_V2> version2;
};
