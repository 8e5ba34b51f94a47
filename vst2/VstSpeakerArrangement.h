#pragma once

#include <cstddef>
#include <cstdint>

/** One speaker of an arrangement: position, name and type. */
struct VstSpeakerProperties
{
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    int32_t type;
    char future[28];
};

static_assert (offsetof (VstSpeakerProperties, name) == 16);
static_assert (offsetof (VstSpeakerProperties, type) == 80);
static_assert (offsetof (VstSpeakerProperties, future) == 84);
static_assert (sizeof (VstSpeakerProperties) == 112);

/** A speaker arrangement: its type and channel count, followed in the same
    allocation by one VstSpeakerProperties per channel.

    Only the fixed head is declared; the speakers that follow it are reached
    through getSpeaker(), and getSizeFor() gives the whole record's size.
*/
struct VstSpeakerArrangement
{
    int32_t type;
    int32_t numChannels;

    static constexpr size_t getSizeFor (int32_t channels) noexcept
    {
        return sizeof (VstSpeakerArrangement) + sizeof (VstSpeakerProperties) * (size_t) channels;
    }

    VstSpeakerProperties* getSpeaker (int32_t channel) noexcept
    {
        return reinterpret_cast<VstSpeakerProperties*> (reinterpret_cast<char*> (this) + sizeof (VstSpeakerArrangement))
                 + channel;
    }

    const VstSpeakerProperties* getSpeaker (int32_t channel) const noexcept
    {
        return reinterpret_cast<const VstSpeakerProperties*> (reinterpret_cast<const char*> (this) + sizeof (VstSpeakerArrangement))
                 + channel;
    }
};

static_assert (sizeof (VstSpeakerArrangement) == 8);
