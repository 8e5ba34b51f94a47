#include "PanelTestHelpers.h"
#include "PresetTreeTestHelpers.h"

#include <VardunNewFolderComponent.h>

using namespace PanelTest;

namespace
{
    /** A modal browser panel with a file browser over a tree holding Pads/ and notes.txt,
        and the dialog shown over it. */
    struct BrowserWithDialog : OuterPanel
    {
        BrowserWithDialog()
        {
            addAndMakeVisible (browser);
            browser.setBounds (12, 59, 300, 275);
            addInner (dialog);
            dialog.show();
        }

        juce::TextEditor& nameField()  { return child<juce::TextEditor> (dialog, "textEditor_"); }
        juce::Component& alert()       { return child (dialog, "alertComponent_"); }
        int numEntries() const         { return tree.root.getNumberOfChildFiles (juce::File::findFilesAndDirectories); }
        void press (int keyCode)       { nameField().keyPressed (juce::KeyPress (keyCode)); deliverPendingMessages(); }

        void typeName (const juce::String& name)
        {
            nameField().setText (name);
            auto& ok = child (dialog, "OK");
            EXPECT_TRUE (pumpUntil ([&] { return ok.isEnabled() && ok.getAlpha() == 1.0f; }));
        }

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

        PresetTreeTest::Tree tree { "Pads/", "notes.txt" };
        juce::WildcardFileFilter filter { "*", "*", {} };
        juce::FileBrowserComponent browser { juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles,
                                             tree.root, &filter, nullptr };
        VardunNewFolderComponent dialog { "newFolderComponent_", &browser, "Please enter the name of the new folder:" };
    };
}

TEST (VardunNewFolderComponent, OkOrReturnCreatesTheFolderOrSaysWhyNot)
{
    const juce::String taken ("The folder name already exist! Try different name.");
    struct Case { const char* name; const char* created; juce::String message; bool byReturn, folderIsAFile; };

    for (const auto& c : { Case { "Mellow", "Mellow", {}, false, false }, Case { "Bad:Name?/", "BadName", {}, true, false },
                           Case { "~Mellow", "~Mellow", {}, false, false },   // not a home folder
                           Case { "Pads", nullptr, taken, true, false }, Case { "notes.txt", nullptr, taken, false, false },
                           Case { "..", nullptr, taken, false, false },
                           Case { "Mellow", nullptr, "Couldn't create the folder! Try different name.", false, true } })
    {
        SCOPED_TRACE (c.name);
        BrowserWithDialog f;
        f.typeName (c.name);
        const auto entriesBefore = f.numEntries();

        if (c.folderIsAFile)   // only a plain file in the way stops a folder being made, even as root
        {
            ASSERT_TRUE (f.tree.root.deleteRecursively() && f.tree.root.replaceWithText ("in the way"));
        }

        if (c.byReturn)
            f.press (juce::KeyPress::returnKey);
        else
            click (f.dialog, "OK");

        if (c.created != nullptr)
        {
            EXPECT_TRUE (juce::File (f.tree.root.getFullPathName() + "/" + c.created).isDirectory());
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

TEST (VardunNewFolderComponent, WaitsForANameAndEscapeCancels)
{
    BrowserWithDialog f;
    const auto entriesBefore = f.numEntries();
    EXPECT_FALSE (child (f.dialog, "OK").isEnabled());
    EXPECT_NEAR (0.5f, child (f.dialog, "OK").getAlpha(), 0.01f);
    f.press (juce::KeyPress::returnKey);
    EXPECT_EQ (Chain { &f.dialog }, modalChain());

    f.typeName ("Pads");
    writePicture (f.dialog, "new-folder-typed-name");
    f.press (juce::KeyPress::returnKey);
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
    f.dialog.hide();
}
