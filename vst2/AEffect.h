#pragma once

#include <cstddef>
#include <cstdint>

struct AEffect;

/** The host's function that the effect calls back with host opcodes. */
using HostCallback = int64_t (*) (AEffect* effect, int32_t opcode, int32_t index,
                                  int64_t value, void* ptr, float opt);

/** The record's entry through which the host sends dispatcher opcodes. */
using DispatcherEntry = int64_t (*) (AEffect* effect, int32_t opcode, int32_t index,
                                     int64_t value, void* ptr, float opt);

using ProcessEntry = void (*) (AEffect* effect, float** inputs, float** outputs, int32_t frames);
using ProcessDoubleEntry = void (*) (AEffect* effect, double** inputs, double** outputs, int32_t frames);
using SetParameterEntry = void (*) (AEffect* effect, int32_t index, float value);
using GetParameterEntry = float (*) (AEffect* effect, int32_t index);

/** The 192-byte record a VST 2.4 host receives from the plug-in's entry point.

    The host reads the counts, flags and identity from it and reaches the effect
    only through its function entries; `object` leads back to the C++ object.
*/
struct AEffect
{
    int32_t magic;
    int32_t padding1;
    DispatcherEntry dispatcherEntry;
    ProcessEntry processEntry;
    SetParameterEntry setParameterEntry;
    GetParameterEntry getParameterEntry;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    int32_t padding2;
    int64_t reserved1;
    int64_t reserved2;
    int32_t initialDelay;
    int32_t realtimeQualities;
    int32_t offlineQualities;
    float ioRatio;
    void* object;
    void* user;
    int32_t uniqueID;
    int32_t version;
    ProcessEntry processReplacingEntry;
    ProcessDoubleEntry processDoubleReplacingEntry;
    char future[56];
};

static_assert (offsetof (AEffect, magic) == 0);
static_assert (offsetof (AEffect, dispatcherEntry) == 8);
static_assert (offsetof (AEffect, processEntry) == 16);
static_assert (offsetof (AEffect, setParameterEntry) == 24);
static_assert (offsetof (AEffect, getParameterEntry) == 32);
static_assert (offsetof (AEffect, numPrograms) == 40);
static_assert (offsetof (AEffect, numParams) == 44);
static_assert (offsetof (AEffect, numInputs) == 48);
static_assert (offsetof (AEffect, numOutputs) == 52);
static_assert (offsetof (AEffect, flags) == 56);
static_assert (offsetof (AEffect, reserved1) == 64);
static_assert (offsetof (AEffect, reserved2) == 72);
static_assert (offsetof (AEffect, initialDelay) == 80);
static_assert (offsetof (AEffect, realtimeQualities) == 84);
static_assert (offsetof (AEffect, offlineQualities) == 88);
static_assert (offsetof (AEffect, ioRatio) == 92);
static_assert (offsetof (AEffect, object) == 96);
static_assert (offsetof (AEffect, user) == 104);
static_assert (offsetof (AEffect, uniqueID) == 112);
static_assert (offsetof (AEffect, version) == 116);
static_assert (offsetof (AEffect, processReplacingEntry) == 120);
static_assert (offsetof (AEffect, processDoubleReplacingEntry) == 128);
static_assert (offsetof (AEffect, future) == 136);
static_assert (sizeof (AEffect) == 192);

/** The record's `flags` bits. */
namespace EffectFlags
{
    constexpr int32_t hasEditor = 0x1;
    constexpr int32_t hasClip = 0x2;
    constexpr int32_t hasVu = 0x4;
    constexpr int32_t canMono = 0x8;
    constexpr int32_t canReplacing = 0x10;
    constexpr int32_t programChunks = 0x20;
    constexpr int32_t isSynth = 0x100;
    constexpr int32_t noSoundInStop = 0x200;
    constexpr int32_t extIsAsync = 0x400;
    constexpr int32_t extHasBuffer = 0x800;
    constexpr int32_t canDoubleReplacing = 0x1000;
}

/** Four characters as a big-endian number, as the record's identifiers are written. */
constexpr int32_t fourCharCode (const char (&text)[5]) noexcept
{
    return (int32_t) (((uint32_t) (unsigned char) text[0] << 24)
                    | ((uint32_t) (unsigned char) text[1] << 16)
                    | ((uint32_t) (unsigned char) text[2] << 8)
                    |  (uint32_t) (unsigned char) text[3]);
}
