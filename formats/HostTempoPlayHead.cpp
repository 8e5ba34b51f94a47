#include "HostTempoPlayHead.h"

juce::Optional<juce::AudioPlayHead::PositionInfo> HostTempoPlayHead::getPosition() const
{
    return position;
}

void HostTempoPlayHead::clearPosition() noexcept
{
    position.reset();
}

juce::AudioPlayHead::PositionInfo& HostTempoPlayHead::startPosition() noexcept
{
    return position.emplace();
}
