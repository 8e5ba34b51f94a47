#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class AAX_ITransport;

/** The processor's play head, filled from the host's transport.

    update() and getPosition() both run on the audio thread: the adapter refreshes the
    position just before it calls processBlock.
*/
class AAXHostPlayHead : public juce::AudioPlayHead
{
public:
    /** Takes the tempo (when the host gives a positive one), the play state and the sample
        position from the transport; no transport means no position.
    */
    void update (const AAX_ITransport* transport) noexcept;

    juce::Optional<PositionInfo> getPosition() const override;

private:
    juce::Optional<PositionInfo> position;
};
