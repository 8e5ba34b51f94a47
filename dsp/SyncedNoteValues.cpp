#include "SyncedNoteValues.h"

#include <juce_core/juce_core.h>

namespace
{
    constexpr int noteDivisions = SyncedNoteValues::numNotes - 1;

    // Note lengths in beats, from 8/1 down to 1/32T. The triplets are the
    // rounded literals the knob has always used, not exact thirds.
    constexpr float beats[SyncedNoteValues::numNotes] = { 32.0f, 16.0f, 8.0f, 4.0f, 3.0f, 2.0f, 1.333f,
                                                          1.5f, 1.0f, 0.6665f, 0.75f, 0.5f, 0.333f,
                                                          0.375f, 0.25f, 0.1665f, 0.1875f, 0.125f, 0.083f };
}

int SyncedNoteValues::forRateSync (float rateSyncValue) noexcept
{
    // A NaN passes every comparison and falls through to the last note.
    for (int note = 0; note < noteDivisions; ++note)
        if (rateSyncValue <= (float) note / (float) noteDivisions)
            return note;

    return noteDivisions;
}

float SyncedNoteValues::getBeats (int note) noexcept
{
    jassert (note >= 0 && note < numNotes);
    return beats[note];
}
