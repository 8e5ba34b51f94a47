#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <set>
#include <utility>

/**
    A label that, when clicked, scans a folder tree and pops up a nested menu of
    it: one submenu per folder, one item per file matching a wildcard. Picking
    an item selects that file; the label then shows its name without extension
    and the label's listeners hear of the pick.

    Every scan rebuilds the menus and the file lists from the disk. Menus are
    numbered in post-order, so the root's menu is the last one; item ids follow
    the same order: the files below a folder's first subfolder, then below its
    second, ..., then the folder's own files. Each menu lists its subfolder
    entries first, then its files, in the order the file system gives them
    (never sorted); hidden files and folders are listed. A folder link that
    leads back to a folder the walk has already entered is skipped.

    The popup is shown without a modal loop. Its answer is applied from the
    file list of the scan that built it, even if later scans have run, and is
    dropped if the label is gone. Selecting by path, by id or by stepping never
    notifies anyone: the owner acts itself after calling them.

    Paths: directoryPath is a full path with '/' separators; selectedFilePath is
    relative to it; filePaths hold full paths. Which file is inside the tree is
    decided by PresetLibrary.
*/
class VardunOptionMenuTree : public juce::Label
{
public:
    explicit VardunOptionMenuTree (const juce::String& componentName);
    ~VardunOptionMenuTree() override;

    /** Rescans and pops up the tree; the pick is applied when the popup answers. Any button acts. */
    void mouseDown (const juce::MouseEvent& event) override;

    /** Stores the root folder ('\\' read as '/'); takes effect at the next scan. */
    virtual void setDirectoryPath (const juce::String& path);

    /** Rescans and selects the file at a path relative to the root, without notifying. */
    virtual void setSelectedFilePath (const juce::String& path);

    /** Selects a file of the last scan by its item id, without rescanning or notifying.
        An id outside 1 .. number of files does nothing. */
    virtual void setSelectedFileIndex (int itemId);

    /** Whether scans enter subfolders (at any depth); takes effect at the next scan. */
    virtual void setAsRecursive (bool shouldScanSubfolders);

    /** The wildcard files must match, e.g. "*.vpxp"; takes effect at the next scan. */
    virtual void setFileExtension (const juce::String& wildcard);

    /** The selected file's path relative to the root, '/' separators. */
    virtual juce::String getSelectedFilePath() const;

    /** The selected item id of the last scan; 0 when none. */
    virtual int getSelectedFileIndex() const;

    /** Full path and name without extension of the file whose item id is index + 1; empty outside the list. */
    virtual juce::String getFilePath (int index) const;
    virtual juce::String getFileName (int index) const;

    /** The number of files of the last scan plus one (1 before any scan). */
    virtual int getNumOfFiles() const;

    /** Select the next or previous item id of the last scan, wrapping at both ends. */
    virtual void nextResult();
    virtual void previousResult();

    /** Rescans the whole tree; true when the selected file was found in it. */
    bool createMenuTree();

    /** Fills the menu of one folder after those of its subfolders; returns its menu index. */
    int createSubMenu (const juce::String& folder, bool isRoot, bool& found);

protected:
    /** Shows the root menu next to the label and hands its answer (0 when
        dismissed) to answer. Tests replace it to answer without a window.
    */
    virtual void showPopup (juce::PopupMenu& rootMenu, std::function<void (int)> answer);

    /** Applies an answer of the popup built from the given scan; false when
        nothing was picked (dismissed, an id outside that scan, or a file no
        longer inside the root).
    */
    virtual bool applyPick (int itemId, const juce::StringArray& shownPaths, const juce::StringArray& shownNames);

    /** Rescans and selects by path; false when the file is not in the tree (the label then shows its name). */
    bool selectFilePath (const juce::String& path);

    /** Selects by id of the last scan; false when the id is refused. */
    bool selectFileIndex (int itemId);

    /** The root folder as a file; none for an empty or relative directoryPath. */
    juce::File getDirectory() const;

    juce::String directoryPath;
    juce::String selectedFilePath;

private:
    juce::OwnedArray<juce::PopupMenu> menus;
    int menuCount = 0;
    int nextItemId = 1;
    juce::StringArray filePaths;
    juce::StringArray fileNames;
    juce::String lastChosenPath;
    int selectedFileIndex = 0;
    juce::String fileExtension { "*" };
    bool asRecursive = true;

    /** The folders from the root down to the one the running scan is in, by device and inode. */
    std::set<std::pair<juce::uint64, juce::uint64>> enteredFolders;

    /** The selected file, found once per scan. */
    juce::File fileToTick;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VardunOptionMenuTree)
};
