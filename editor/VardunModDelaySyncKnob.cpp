#include "VardunModDelaySyncKnob.h"
#include "ParameterTable.h"

namespace
{
    const char* const noteValueLabels[SyncedNoteValues::numNotes] = { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T",
                                                                      "1/4D", "1/4", "1/4T", "1/8D", "1/8", "1/8T",
                                                                      "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T" };
}

VardunModDelaySyncKnob::VardunModDelaySyncKnob (const juce::String& componentName)
    : VardunKnob (componentName)
{
    setRange (0.0, 1.0, stepInterval);
}

juce::String VardunModDelaySyncKnob::getTextFromValue (double value)
{
    // The knob sends its value as a float, so the note it plays is the float's.
    return noteValueLabels[ParameterTable::getNoteValue ((float) value)];
}

double VardunModDelaySyncKnob::valueOfNote (int note) noexcept
{
    return note * stepInterval;
}
