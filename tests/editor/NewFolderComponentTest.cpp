#include "PanelTestHelpers.h"

#include <VardunNewFolderComponent.h>

using namespace PanelTest;

namespace
{
    const juce::String nameTaken ("The folder name already exist! Try different name.");
    const juce::String cannotCreate ("Couldn't create the folder! Try different name.");

    /** A modal browser panel holding a file browser over a temporary folder
        (with a folder Pads and a file notes.txt) and the dialog. */
    struct BrowserWithDialog : OuterPanel
    {
        BrowserWithDialog()
        {
            folder.file.getChildFile ("Pads").createDirectory();
            folder.file.getChildFile ("notes.txt").replaceWithText ("notes");
            addAndMakeVisible (browser);
            browser.setBounds (12, 59, 300, 275);
            addInner (dialog);
        }

        juce::TextEditor& nameField()  { return child<juce::TextEditor> (dialog, "textEditor_"); }
        juce::Component& ok()          { return child (dialog, "OK"); }
        juce::Component& alert()       { return child (dialog, "alertComponent_"); }
        int numEntries() const         { return folder.file.getNumberOfChildFiles (juce::File::findFilesAndDirectories); }

        void typeName (const juce::String& name)
        {
            nameField().setText (name);
            EXPECT_TRUE (pumpUntil ([this] { return ok().isEnabled() && ok().getAlpha() == 1.0f; }));
        }

        void press (int keyCode)       { nameField().keyPressed (juce::KeyPress (keyCode)); deliverPendingMessages(); }

        bool browserLists (const juce::String& name)   // by name: the list's own contains() reads "~x" as a home folder
        {
            auto& list = browser.getDisplayComponent()->directoryContentsList;
            juce::DirectoryContentsList::FileInfo info;

            return pumpUntil ([&]
            {
                for (int i = 0; list.getFileInfo (i, info); ++i)
                    if (info.filename == name)
                        return true;

                return false;
            });
        }

        TempFolder folder;
        juce::WildcardFileFilter filter { "*", "*", {} };
        juce::FileBrowserComponent browser { juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles,
                                             folder.file, &filter, nullptr };
        VardunNewFolderComponent dialog { "newFolderComponent_", &browser, "Please enter the name of the new folder:" };
    };
}

TEST (VardunNewFolderComponent, OkCreatesTheFolderOrSaysWhyNot)
{
    struct Case { const char* name; const char* created; juce::String message; bool folderIsAFile; };

    for (const auto& c : { Case { "Mellow", "Mellow", {}, false },
                           Case { "Bad:Name?/", "BadName", {}, false },
                           Case { "~Mellow", "~Mellow", {}, false },   // not a home folder
                           Case { "Pads", nullptr, nameTaken, false },
                           Case { "notes.txt", nullptr, nameTaken, false },
                           Case { "..", nullptr, nameTaken, false },
                           Case { "Mellow", nullptr, cannotCreate, true } })
    {
        SCOPED_TRACE (c.name);
        BrowserWithDialog f;
        f.dialog.show();
        EXPECT_EQ (Chain { &f.dialog }, modalChain());
        f.typeName (c.name);
        const auto entriesBefore = f.numEntries();

        if (c.folderIsAFile)   // only a plain file in the way stops a folder being made, even as root
        {
            ASSERT_TRUE (f.folder.file.deleteRecursively() && f.folder.file.replaceWithText ("in the way"));
        }

        click (f.dialog, "OK");

        if (c.created != nullptr)
        {
            EXPECT_TRUE (juce::File (f.folder.file.getFullPathName() + "/" + c.created).isDirectory());
            EXPECT_TRUE (f.browserLists (c.created));
            EXPECT_FALSE (f.dialog.isVisible() || f.dialog.isTimerRunning());
            EXPECT_EQ (Chain { &f }, modalChain());
            continue;
        }

        EXPECT_EQ (Chain { &f.alert() }, modalChain());
        EXPECT_EQ (c.message, titleOf (f.alert()));
        EXPECT_EQ (c.folderIsAFile ? 0 : entriesBefore, f.numEntries());
        click (f.alert(), "OK");
        EXPECT_EQ (Chain { &f.dialog }, modalChain());
        EXPECT_EQ (juce::String (c.name), f.nameField().getText());
        f.dialog.hide();
    }
}

TEST (VardunNewFolderComponent, ReturnActsAsOkOnlyWithANameAndEscapeCancels)
{
    BrowserWithDialog f;
    const auto entriesBefore = f.numEntries();
    f.dialog.show();
    EXPECT_FALSE (f.ok().isEnabled());
    EXPECT_NEAR (0.5f, f.ok().getAlpha(), 0.01f);
    f.press (juce::KeyPress::returnKey);
    EXPECT_EQ (Chain { &f.dialog }, modalChain());

    f.typeName ("Pads");
    writePicture (f.dialog, "new-folder-typed-name");
    f.press (juce::KeyPress::returnKey);
    EXPECT_EQ (Chain { &f.alert() }, modalChain());
    f.dialog.show();   // showing the shown dialog again leaves the chain as it was
    EXPECT_EQ (Chain { &f.alert() }, modalChain());
    writePicture (f.dialog, "new-folder-name-taken");
    click (f.alert(), "OK");

    f.typeName ("Nope");
    f.press (juce::KeyPress::escapeKey);
    EXPECT_FALSE (f.dialog.isVisible() || f.dialog.isTimerRunning());
    EXPECT_EQ (Chain { &f }, modalChain());
    EXPECT_EQ (entriesBefore, f.numEntries());

    f.dialog.show();
    EXPECT_TRUE (f.nameField().isEmpty());
    f.typeName ("Keys");
    f.press (juce::KeyPress::returnKey);
    EXPECT_TRUE (f.browserLists ("Keys"));
    EXPECT_EQ (Chain { &f }, modalChain());
}
