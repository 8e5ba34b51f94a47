#pragma once

#include "VardunKnob.h"

/**
    The tempo-synced rate knob: 19 note values from "8/1" to "1/32T".

    The interval snaps the knob to the 19 steps of its 19-frame strip; step k
    shows frame k and plays note k. The label names the note that the knob's
    value plays, as the processor's parameter table maps it; a host value
    shows as the step of the note it plays (valueOfNote).
*/
class VardunModDelaySyncKnob : public VardunKnob
{
public:
    explicit VardunModDelaySyncKnob (const juce::String& componentName);

    /** The name of the note that a knob value plays. */
    juce::String getTextFromValue (double value) override;

    /** The snapping interval: 1/18.1 as a float, widened to double. */
    static constexpr double stepInterval = (double) (1.0f / 18.1f);

    /** The knob value of the step that plays a note (0..18). */
    static double valueOfNote (int note) noexcept;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunModDelaySyncKnob)
};
