#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** The processor's play head: the tempo (and what else of the transport the host
    tells) for the block about to be processed.

    A format's play head derives from this and fills the position from its host's
    own time information before each block; the filling and getPosition() both
    run on the audio thread.
*/
class HostTempoPlayHead : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override;

protected:
    /** The host gave no time information for this block: no position. */
    void clearPosition() noexcept;

    /** A new, empty position for this block, for the format to fill. */
    PositionInfo& startPosition() noexcept;

private:
    juce::Optional<PositionInfo> position;
};
