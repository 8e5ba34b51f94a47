#pragma once

#include <cstddef>
#include <cstdint>

// Records the host and the effect exchange by pointer. The bases pass them
// through unchanged, so those they never look into stay incomplete here.
struct VstEvents;
struct VstParameterProperties;
struct VstPinProperties;
struct VstPatchChunkInfo;
struct VstVariableIo;
struct VstAudioFile;
struct VstOfflineTask;
struct VstFileSelect;
struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
struct __VstWindowDeprecated;

/** What an offline read or write is about. */
enum VstOfflineOption : int32_t
{
    vstOfflineAudio = 0,
    vstOfflinePeaks,
    vstOfflineParameter,
    vstOfflineMarker,
    vstOfflineCursor,
    vstOfflineSelection,
    vstOfflineQueryFiles
};

/** The key event handed to an editor's key-down and key-up operations. */
struct VstKeyCode
{
    int32_t character;
    unsigned char virtualKey;
    unsigned char modifiers;
};

static_assert (offsetof (VstKeyCode, virtualKey) == 4);
static_assert (offsetof (VstKeyCode, modifiers) == 5);

/** An editor's bounds as the host reads them, in pixels. */
struct ERect
{
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

static_assert (sizeof (ERect) == 8);
