#include "VardunModDelaySyncKnob.h"
#include "ParameterTable.h"

// The knob sends its value as a float, so the note it plays is the float's.

VardunModDelaySyncKnob::VardunModDelaySyncKnob (const juce::String& componentName)
    : VardunKnob (componentName)
{
    setRange (0.0, 1.0, stepInterval);
}

juce::String VardunModDelaySyncKnob::getTextFromValue (double value)
{
    return ParameterTable::getDisplayText (rateSyncIndex, (float) value);
}

double VardunModDelaySyncKnob::valueOfNote (int note) noexcept
{
    return note * stepInterval;
}

int VardunModDelaySyncKnob::getFrameIndex() const
{
    return ParameterTable::getNoteValue ((float) getValue());
}
