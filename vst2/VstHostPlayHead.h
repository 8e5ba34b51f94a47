#pragma once

#include "VstTimeInfo.h"

#include <juce_audio_basics/juce_audio_basics.h>

/** The processor's play head, filled from the host's time information.

    update() and getPosition() both run on the audio thread: the adapter
    refreshes the position just before it calls processBlock.
*/
class VstHostPlayHead : public juce::AudioPlayHead
{
public:
    /** Takes the tempo (when the host marks it valid), the sample position and
        the transport state from the host's record; no record means no position.
    */
    void update (const VstTimeInfo* info) noexcept;

    juce::Optional<PositionInfo> getPosition() const override;

private:
    juce::Optional<PositionInfo> position;
};
