#pragma once

#include "ACFUnknown.h"

/** The host's transport, version 1. */
class AAX_IACFTransport : public IACFUnknown
{
public:
    virtual AAX_Result GetCurrentTempo (double* tempo) const = 0;
    virtual AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result IsTransportPlaying (bool* isPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition (int64_t* ticks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* loopStartTick, int64_t* loopEndTick) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) const = 0;
    virtual AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const = 0;
    virtual AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks, int64_t sampleLocation) const = 0;
    virtual AAX_Result GetTicksPerQuarter (uint32_t* ticks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const = 0;

protected:
    ~AAX_IACFTransport() = default;
};

/** The host's transport, version 2. */
class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) const = 0;
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const = 0;
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, int64_t* offset) const = 0;
    virtual AAX_Result IsMetronomeEnabled (int32_t* isEnabled) const = 0;

protected:
    ~AAX_IACFTransport_V2() = default;
};
