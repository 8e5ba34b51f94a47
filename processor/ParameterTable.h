#pragma once

#include "SyncedNoteValues.h"

#include <juce_core/juce_core.h>

/** The processor's nine automatable parameters, by index. */
enum ParameterIndex
{
    onBypassIndex = 0,
    tremoloTypeIndex,
    rateIndex,
    rateSyncIndex,
    shapeIndex,
    depthIndex,
    levelIndex,
    stereoIndex,
    syncIndex,
    numParameters
};

/** The parameter keys: names towards the host and "property" texts of the documents. */
constexpr const char* c_bypass = "onBypass";
constexpr const char* c_type = "tremoloType";
constexpr const char* c_rate = "rate";
constexpr const char* c_rateSync = "rateSync";
constexpr const char* c_shape = "shape";
constexpr const char* c_depth = "depth";
constexpr const char* c_level = "level";
constexpr const char* c_stereoSpread = "stereo";
constexpr const char* c_sync = "sync";

/** The fixed facts of each parameter: key, default, display text and the
    value texts of the preset documents; and the one mapping from a value to
    the wave or note it plays, which the audio path, the texts and the editor
    all ask.

    Every function answers neutrally ("" or 0) for an index outside 0..8.
*/
class ParameterTable
{
public:
    /** The number of tempo-synced note-value steps above the first: "rateSync" is stored in 18ths. */
    static constexpr int rateSyncSteps = SyncedNoteValues::numNotes - 1;

    /** Sine, square and triangle. */
    static constexpr int numWaveTypes = 3;

    static juce::String getKey (int index);

    /** The index whose key equals the text exactly, or -1. */
    static int findIndex (const juce::String& key);

    static float getDefaultValue (int index);

    /** True for the on/off switches "onBypass", "stereo" and "sync". */
    static bool isSwitch (int index);

    /** What the host shows: "On"/"Off", "Type 1".."Type 3" or ten times the value. */
    static juce::String getDisplayText (int index, float value);

    /** The "type" attribute of a document's Value: "boolean" or "number". */
    static juce::String getValueType (int index);

    /** The text a document holds for a value; type and rate-sync are quantised to their
        steps, rate-sync to the note it plays. */
    static juce::String toValueText (int index, float value);

    /** The value a document's text stands for. */
    static float fromValueText (int index, const juce::String& text);

    /** The wave type selected by a "tremoloType" value: the ceiling of twice the
        value, 0 sine, 1 square, 2 triangle. Any other result selects no module;
        results beyond -1..3 (a NaN included) are answered as -1.
    */
    static int getWaveType (float value) noexcept;

    /** The "tremoloType" value that selects a wave type: 0, 0.5 or 1 for sine,
        square and triangle; getWaveType answers the type back. */
    static float getWaveTypeValue (int waveType) noexcept;

    /** The note value a "rateSync" value plays, 0 ("8/1") to 18 ("1/32T"): the
        modules' own choice, made from the value as the processor hands it to them. */
    static int getNoteValue (float value) noexcept;

    /** A value of rate, rate-sync, shape, depth or level as the modules take it:
        clamped to 0..1, a NaN read as 0. The store keeps what a host or a
        document gave, but a shape of 3 or a level of 50 would make the modules
        far louder than the controls allow.
    */
    static float toModuleValue (float value) noexcept;
};
