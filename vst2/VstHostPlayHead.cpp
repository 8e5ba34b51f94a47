#include "VstHostPlayHead.h"

#include <cmath>

namespace
{
    /** A host's sample position, when it is a number a 64-bit count can hold. */
    juce::Optional<int64_t> toSampleCount (double samplePosition) noexcept
    {
        constexpr double limit = 9.0e18;

        if (std::isfinite (samplePosition) && std::abs (samplePosition) < limit)
            return (int64_t) std::llround (samplePosition);

        return juce::nullopt;
    }
}

void VstHostPlayHead::update (const VstTimeInfo* info) noexcept
{
    if (info == nullptr)
    {
        clearPosition();
        return;
    }

    auto& current = startPosition();

    if ((info->flags & VstTimeInfo::tempoValid) != 0)
        current.setBpm (info->tempo);

    current.setTimeInSamples (toSampleCount (info->samplePos));

    if (info->sampleRate > 0.0)
        current.setTimeInSeconds (info->samplePos / info->sampleRate);

    current.setIsPlaying ((info->flags & (VstTimeInfo::transportPlaying | VstTimeInfo::transportRecording)) != 0);
    current.setIsRecording ((info->flags & VstTimeInfo::transportRecording) != 0);
}
