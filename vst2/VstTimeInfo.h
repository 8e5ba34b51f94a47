#pragma once

#include <cstddef>
#include <cstdint>

/** The host's time-information record, answered to host opcode 7. */
struct VstTimeInfo
{
    double samplePos;
    double sampleRate;
    double nanoSeconds;
    double ppqPos;
    double tempo;
    double barStartPos;
    double cycleStartPos;
    double cycleEndPos;
    int32_t timeSigNumerator;
    int32_t timeSigDenominator;
    int32_t smpteOffset;
    int32_t smpteFrameRate;
    int32_t samplesToNextClock;
    int32_t flags;

    /** `flags` bits. */
    static constexpr int32_t transportPlaying = 0x2;
    static constexpr int32_t transportRecording = 0x8;
    static constexpr int32_t tempoValid = 0x400;

    /** The filter an effect sends to ask for every optional field. */
    static constexpr int32_t allOptionalFields = 0xfe00;
};

static_assert (offsetof (VstTimeInfo, tempo) == 32);
static_assert (offsetof (VstTimeInfo, timeSigNumerator) == 64);
static_assert (offsetof (VstTimeInfo, timeSigDenominator) == 68);
static_assert (offsetof (VstTimeInfo, smpteOffset) == 72);
static_assert (offsetof (VstTimeInfo, smpteFrameRate) == 76);
static_assert (offsetof (VstTimeInfo, samplesToNextClock) == 80);
static_assert (offsetof (VstTimeInfo, flags) == 84);
