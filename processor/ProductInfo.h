#pragma once

#include <juce_core/juce_core.h>

/** The product's identity, as shown to hosts and written into every preset
    and state document.
*/
constexpr const char* productName = "Lumiver PX2741";
constexpr const char* productVersion = "1.0.1";

/** Written into every document and required from preset files on reading. */
constexpr const char* productIdentifier = "com.vardun.LumiverPX2741";

/** The user's music folder, then "Audio Music Apps": where the maker's
    presets and manuals are kept.
*/
juce::File audioMusicAppsFolder();

/** The folder that holds the preset files: the user's music folder, then
    "Audio Music Apps", then "Vardun/Presets/LumiverPX2741". Preset paths are
    stored relative to it.
*/
juce::File presetRootFolder();

/** The preset files' extension, and the wildcard that finds them. */
constexpr const char* presetFileExtension = ".vpxp";
constexpr const char* presetFilePattern = "*.vpxp";
