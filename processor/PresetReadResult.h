#pragma once

/** What readPreset() made of a document; passed unchanged through the preset
    menu to the editor, which alerts the user where needed.
*/
enum PresetReadResult
{
    presetNotRead = 0,      ///< no element, not one of our documents, or no "Properties"
    presetLoaded = 1,       ///< a preset file was applied
    presetOtherProduct = 2, ///< a preset of another product; nothing applied
    presetNewerVersion = 4, ///< applied, but written by a newer preset version
    stateLoaded = 5         ///< a full-state document was handled
};
