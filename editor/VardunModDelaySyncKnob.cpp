#include "VardunModDelaySyncKnob.h"

namespace
{
    const char* const noteValueLabels[] = { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T",
                                            "1/4D", "1/4", "1/4T", "1/8D", "1/8", "1/8T",
                                            "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T" };

    constexpr int numLabels = (int) (sizeof (noteValueLabels) / sizeof (noteValueLabels[0]));
    constexpr int labelDivisions = numLabels - 1;

    /** The upper bound of label k: k / 18 in single precision, widened. */
    double labelThreshold (int k)
    {
        return (double) ((float) k / (float) labelDivisions);
    }

    int labelForValue (double value)
    {
        if (value <= 0.0)
            return 0;

        for (int k = 1; k < labelDivisions; ++k)
            if (value <= labelThreshold (k))
                return k;

        return labelDivisions;   // above the last threshold, or not a number
    }
}

VardunModDelaySyncKnob::VardunModDelaySyncKnob (const juce::String& componentName)
    : VardunKnob (componentName)
{
    setRange (0.0, 1.0, stepInterval);
}

juce::String VardunModDelaySyncKnob::getTextFromValue (double value)
{
    return noteValueLabels[labelForValue (value)];
}
