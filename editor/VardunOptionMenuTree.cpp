#include "VardunOptionMenuTree.h"

#include "PresetLibrary.h"
#include "ProductInfo.h"

#include <sys/stat.h>

namespace
{
    /** A folder given as a full path; none for empty or relative text. */
    juce::File folderAt (const juce::String& fullPath)
    {
        return juce::File::isAbsolutePath (fullPath) ? juce::File (fullPath) : juce::File();
    }

    /** The folder's device and inode: the same through every link that leads
        to it, found in one look-up whatever the depth. {0, 0} when it cannot
        be read. */
    std::pair<juce::uint64, juce::uint64> folderIdentity (const juce::File& folder)
    {
        struct stat info;

        if (::stat (folder.getFullPathName().toRawUTF8(), &info) != 0)
            return {};

        return { (juce::uint64) info.st_dev, (juce::uint64) info.st_ino };
    }
}

VardunOptionMenuTree::VardunOptionMenuTree (const juce::String& componentName)
    : juce::Label (componentName, {}),
      directoryPath (audioMusicAppsFolder().getFullPathName())
{
    setJustificationType (juce::Justification::centred);
    setColour (juce::Label::textColourId, juce::Colours::white);
    setEditable (false, false, false);
}

VardunOptionMenuTree::~VardunOptionMenuTree()
{
    juce::PopupMenu::dismissAllActiveMenus();
}

//==============================================================================
void VardunOptionMenuTree::mouseDown (const juce::MouseEvent&)
{
    createMenuTree();

    // An empty tree shows nothing and changes nothing.
    if (menus.isEmpty() || menus.getLast()->getNumItems() == 0)
        return;

    // The answer may come after later scans, or after the label is gone: it
    // carries the lists of this scan and a pointer that knows when we are gone.
    juce::Component::SafePointer<VardunOptionMenuTree> self (this);

    showPopup (*menus.getLast(), [self, paths = filePaths, names = fileNames] (int itemId)
    {
        if (self != nullptr)
            self->applyPick (itemId, paths, names);
    });
}

void VardunOptionMenuTree::showPopup (juce::PopupMenu& rootMenu, std::function<void (int)> answer)
{
    rootMenu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this), std::move (answer));
}

bool VardunOptionMenuTree::applyPick (int itemId, const juce::StringArray& shownPaths, const juce::StringArray& shownNames)
{
    if (itemId < 1 || itemId > shownPaths.size())
        return false;

    const juce::File chosen (shownPaths[itemId - 1]);
    const auto chosenPath = PresetLibrary (getDirectory()).getRelativePath (chosen);

    if (chosenPath.isEmpty())
        return false;

    // The id belongs to the shown scan; the selection follows the numbering of
    // the latest one, which a rescan while the popup was open may have changed.
    selectedFileIndex = filePaths.indexOf (chosen.getFullPathName()) + 1;
    selectedFilePath = chosenPath;

    if (selectedFilePath != lastChosenPath)
    {
        // The listeners see the new selection while the label still shows the old name.
        callChangeListeners();
        lastChosenPath = selectedFilePath;
        setText (shownNames[itemId - 1], juce::dontSendNotification);
    }
    else
    {
        // The same file again: the listeners hear of it only if the text changes
        // (for instance when it carried an edited mark).
        setText (shownNames[itemId - 1], juce::sendNotification);
    }

    return true;
}

//==============================================================================
void VardunOptionMenuTree::setDirectoryPath (const juce::String& path)
{
    directoryPath = path.replaceCharacter ('\\', '/');
}

void VardunOptionMenuTree::setSelectedFilePath (const juce::String& path)
{
    selectFilePath (path);
}

bool VardunOptionMenuTree::selectFilePath (const juce::String& path)
{
    // Kept as this tree writes it: '/' separators, a '\\' that is part of a name kept.
    const PresetLibrary library (getDirectory());
    const auto file = library.getFile (path);
    selectedFilePath = file != juce::File() ? library.getRelativePath (file) : path.replaceCharacter ('\\', '/');

    if (createMenuTree())
    {
        setText (fileNames[selectedFileIndex - 1], juce::dontSendNotification);
        return true;
    }

    // Not in the tree: show the name it would have, from the path as given.
    setText (getDirectory().getChildFile (path).getFileNameWithoutExtension(), juce::dontSendNotification);
    return false;
}

void VardunOptionMenuTree::setSelectedFileIndex (int itemId)
{
    selectFileIndex (itemId);
}

bool VardunOptionMenuTree::selectFileIndex (int itemId)
{
    if (itemId < 1 || itemId >= nextItemId || filePaths.isEmpty())
        return false;

    const auto path = PresetLibrary (getDirectory()).getRelativePath (juce::File (filePaths[itemId - 1]));

    if (path.isEmpty())
        return false;

    selectedFileIndex = itemId;
    selectedFilePath = path;
    setText (fileNames[itemId - 1], juce::dontSendNotification);
    return true;
}

void VardunOptionMenuTree::setAsRecursive (bool shouldScanSubfolders)
{
    asRecursive = shouldScanSubfolders;
}

void VardunOptionMenuTree::setFileExtension (const juce::String& wildcard)
{
    fileExtension = wildcard;
}

juce::String VardunOptionMenuTree::getSelectedFilePath() const
{
    return selectedFilePath;
}

int VardunOptionMenuTree::getSelectedFileIndex() const
{
    return selectedFileIndex;
}

juce::String VardunOptionMenuTree::getFilePath (int index) const
{
    return filePaths[index];
}

juce::String VardunOptionMenuTree::getFileName (int index) const
{
    return fileNames[index];
}

int VardunOptionMenuTree::getNumOfFiles() const
{
    return nextItemId;
}

void VardunOptionMenuTree::nextResult()
{
    const int numFiles = nextItemId - 1;
    setSelectedFileIndex (selectedFileIndex < numFiles ? selectedFileIndex + 1 : 1);
}

void VardunOptionMenuTree::previousResult()
{
    // An id left over from a larger scan steps back to the last file.
    const int numFiles = nextItemId - 1;
    setSelectedFileIndex (selectedFileIndex > 1 ? juce::jmin (selectedFileIndex - 1, numFiles) : numFiles);
}

juce::File VardunOptionMenuTree::getDirectory() const
{
    return folderAt (directoryPath);
}

//==============================================================================
bool VardunOptionMenuTree::createMenuTree()
{
    bool found = false;
    createSubMenu (directoryPath, true, found);
    return found;
}

int VardunOptionMenuTree::createSubMenu (const juce::String& folder, bool isRoot, bool& found)
{
    if (isRoot)
    {
        filePaths.clear();
        fileNames.clear();
        menus.clear();
        menuCount = 0;
        nextItemId = 1;
        enteredFolders.clear();
        fileToTick = PresetLibrary (getDirectory()).getFile (selectedFilePath);
    }

    // Only a folder on the way down from the root can lead the walk back into
    // itself; a folder reached again elsewhere (a link to a sibling) is listed again.
    const auto directory = folderAt (folder);
    const auto identity = folderIdentity (directory);
    enteredFolders.insert (identity);

    // A missing root (or none at all) gives one empty menu; note that
    // juce::File() would list the file system's root.
    const bool listable = directory.isDirectory();
    juce::PopupMenu menu;

    if (asRecursive && listable)
    {
        // Subfolders first, each completed (and numbered) before its parent.
        for (const auto& subfolder : directory.findChildFiles (juce::File::findDirectories, false, "*"))
        {
            if (enteredFolders.count (folderIdentity (subfolder)) != 0)
                continue;

            // Moved, not copied: copying would copy each folder's whole subtree
            // again at every level above it.
            const int subMenu = createSubMenu (subfolder.getFullPathName(), false, found);
            menu.addSubMenu (subfolder.getFileName(), std::move (*menus[subMenu]), true);
        }
    }

    enteredFolders.erase (identity);

    const auto files = listable ? directory.findChildFiles (juce::File::findFiles, false, fileExtension)
                                : juce::Array<juce::File>();

    for (const auto& file : files)
    {
        const bool ticked = file == fileToTick;

        if (ticked)
        {
            found = true;
            selectedFileIndex = nextItemId;
        }

        menu.addItem (nextItemId, file.getFileName(), true, ticked);
        filePaths.add (file.getFullPathName());
        fileNames.add (file.getFileNameWithoutExtension());
        ++nextItemId;
    }

    // Appending as each folder completes gives the post-order numbering, and
    // holds as many menus as the walk fills.
    menus.add (new juce::PopupMenu (std::move (menu)));
    return menuCount++;
}
