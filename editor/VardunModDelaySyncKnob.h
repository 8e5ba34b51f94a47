#pragma once

#include "VardunKnob.h"

/**
    The tempo-synced rate knob: 19 note values from "8/1" to "1/32T".

    The interval snaps the knob to the 19 steps of its 19-frame strip.
*/
class VardunModDelaySyncKnob : public VardunKnob
{
public:
    explicit VardunModDelaySyncKnob (const juce::String& componentName);

    /** The note value shown for a knob value. */
    juce::String getTextFromValue (double value) override;

    /** The snapping interval: 1/18.1 as a float, widened to double. */
    static constexpr double stepInterval = (double) (1.0f / 18.1f);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunModDelaySyncKnob)
};
