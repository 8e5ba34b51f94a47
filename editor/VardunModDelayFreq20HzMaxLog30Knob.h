#pragma once

#include "VardunKnob.h"

/**
    The free-rate knob: 0 to 1 mapped logarithmically onto 0.01 to 20 Hz for its
    text.
*/
class VardunModDelayFreq20HzMaxLog30Knob : public VardunKnob
{
public:
    explicit VardunModDelayFreq20HzMaxLog30Knob (const juce::String& componentName);

    /** The rate in hertz with two decimals, e.g. "6.00 Hz". */
    juce::String getTextFromValue (double value) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunModDelayFreq20HzMaxLog30Knob)
};
