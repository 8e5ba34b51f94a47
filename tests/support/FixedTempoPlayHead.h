#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** Gives a processor run directly the tempo a stand-in host reports, so that
    it can be compared with the plug-in the host runs.
*/
class FixedTempoPlayHead : public juce::AudioPlayHead
{
public:
    explicit FixedTempoPlayHead (double bpmToReport) : bpm (bpmToReport) {}

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (bpm);
        return info;
    }

private:
    const double bpm;
};
