#include "VardunModDelayFreq20HzMaxLog30Knob.h"

#include <cmath>

namespace
{
    constexpr double curveBase = 5.445;
    constexpr double curveDivisor = 4.445;   // curveBase - 1: 1 at the top of the range
    constexpr double maximumHz = 20.0;
    constexpr double minimumHz = (double) 0.01f;
}

VardunModDelayFreq20HzMaxLog30Knob::VardunModDelayFreq20HzMaxLog30Knob (const juce::String& componentName)
    : VardunKnob (componentName)
{
}

juce::String VardunModDelayFreq20HzMaxLog30Knob::getTextFromValue (double value)
{
    const double hz = (std::pow (curveBase, value) - 1.0) / curveDivisor * maximumHz;
    return juce::String (juce::jmax (hz, minimumHz), 2) + " Hz";
}
