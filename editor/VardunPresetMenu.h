#pragma once

#include "VardunOptionMenuTree.h"

class LumiverPX2741AudioProcessor;

/**
    The editor's preset selector: the folder-tree menu over the preset files,
    with an edited mark and the three preset file operations.

    The mark is a "*" after the shown name while the sound differs from the
    selected file. It is set by setPresetHasChanged, by compareAndMarkPreset
    when file and sound differ, and by selecting a path that is not in the tree;
    it is cleared by a pick from the popup, a successful setSelectedFilePath,
    setSelectedFileIndex (and so stepping) and a successful writePreset.

    Preset paths are relative to the root, or full paths inside it; a path that
    lies outside the tree is never read or written (PresetLibrary). The
    parsed documents live for one call and go to the processor, which decides
    what they mean.
*/
class VardunPresetMenu : public VardunOptionMenuTree
{
public:
    explicit VardunPresetMenu (const juce::String& componentName);

    /** As the base; a path not in the tree is shown with the mark and sets it. */
    void setSelectedFilePath (const juce::String& path) override;

    /** As the base; an accepted id clears the mark. */
    void setSelectedFileIndex (int itemId) override;

    /** Appends the mark to the shown text, once. */
    virtual void setPresetHasChanged();

    /** Marks the label when the selected file's values differ from the processor's; never clears it. */
    virtual void compareAndMarkPreset (LumiverPX2741AudioProcessor* processor);

    /** Loads a preset file into the processor's current slot and returns its
        PresetReadResult; presetNotRead for no processor or no such file inside
        the tree. The selection and the label are not touched. */
    virtual int readPreset (LumiverPX2741AudioProcessor* processor, const juce::String& path);

    /** Writes the processor's current preset as UTF-8 XML, creating missing
        folders, and selects the written file. Fails, with a message for the
        user, when nothing was written (no processor, a path outside the tree,
        a failed write); the selection is then left as it was. The old file is
        replaced only once the new one is complete. */
    virtual juce::Result writePreset (LumiverPX2741AudioProcessor* processor, const juce::String& path);

    /** Stores the mark flag alone; the shown text is not touched. */
    virtual void setMarkedAsChange (bool isMarked);

protected:
    bool applyPick (int itemId, const juce::StringArray& shownPaths, const juce::StringArray& shownNames) override;

private:
    static constexpr const char* editedMark = "*";

    bool markedAsChange = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunPresetMenu)
};
