#pragma once

/** The 19 note values a tempo-synced LFO runs at, from 8/1 down to 1/32T,
    and the one mapping from a raw "RateSync" value to the note it plays.

    Note k plays for the values in ((k - 1) / 18, k / 18], the bounds taken in
    single precision: 0 and below play note 0; values above 17/18, and a NaN,
    play note 18. Whatever shows or names a note asks this mapping, so that
    what is shown is what plays.
*/
class SyncedNoteValues
{
public:
    static constexpr int numNotes = 19;

    /** The note a raw "RateSync" value plays: 0 ("8/1") to 18 ("1/32T"). */
    static int forRateSync (float rateSyncValue) noexcept;

    /** The length of a note in beats; note is 0..18. */
    static float getBeats (int note) noexcept;
};
