#pragma once

#include "VardunFileBrowser.h"
#include "VardunOverwriteComponent2.h"

/**
    The save-preset browser (browser type 5 in use): saves the processor's
    current preset as a file of the preset tree, presetRootFolder().

    The typed name gets ".vpxp" appended unless it already ends so (letter
    case counts: "Mellow.VPXP" becomes "Mellow.VPXP.vpxp"). A name that exists
    is confirmed first in the browser's own overwrite box, which then writes and
    closes the browser; otherwise the file is written through the preset menu,
    its path relative to the preset root is stored in the current program's
    active slot, and the browser closes. A write that fails stores nothing and
    is reported in the browser's own alert; the browser stays open.

    Only the tree is ever written to: OK and New Folder are usable only while
    both the folder shown and the file the typed name leads to lie in the tree
    (the root itself counts as a folder of it), as PresetLibrary decides on
    the files themselves. A sibling folder whose name starts with the root's,
    a folder spelled in other letter case, and a name that leads out of the
    tree ("../x", or "~/x", which the framework reads as a home folder) are
    outside. A name holding a '\\' is refused the same way: the slot's stored
    path would read it as a folder separator. Saving and folder creation check
    again when asked, so a click that comes before the next poll cannot write
    outside either.

    The processor and the preset menu are not owned and must outlive the panel.
*/
class VardunPresetBrowser : public VardunFileBrowser
{
public:
    VardunPresetBrowser (const juce::String& componentName, const juce::File& rootFolder, const juce::String& filePattern,
                         juce::int32 browserType, juce::int32 titleArtType, juce::int32 okImageType,
                         juce::int32 cancelImageType, juce::int32 newFolderImageType,
                         LumiverPX2741AudioProcessor* processor, VardunPresetMenu* presetMenu);

    void timerCallback() override;
    void okButtonClicked() override;
    void createNewFolder() override;

    /** Saves under the typed name, or asks first when the file exists; does nothing outside the tree. */
    void savePreset();

private:
    /** The text in the framework browser's file-name box. */
    juce::String getTypedName() const;

    /** The file the typed name saves to; none when there is none or it may not be saved. */
    juce::File getChosenFile() const;

    /** True when the folder shown lies in the preset tree and the typed name, if any, may be saved. */
    bool choiceIsInTree() const;

    VardunPresetMenu* presetMenu;
    LumiverPX2741AudioProcessor* processor;
    VardunOverwriteComponent2 overwriteComponent_;
    VardunAlertComponent alertComponent_ { "alertComponent_", DialogArt::frownIcon,
                                           DialogArt::okButtonImage, DialogArt::cancelButtonImage };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunPresetBrowser)
};
