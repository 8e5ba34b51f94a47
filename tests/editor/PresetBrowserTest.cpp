#include "PanelTestHelpers.h"
#include "PresetTreeTestHelpers.h"

#include <LumiverPX2741AudioProcessor.h>
#include <VardunPresetBrowser.h>
#include <VardunPresetMenu.h>

using namespace PanelTest;

namespace
{
    struct HostDisplay : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override  { ++updates; }
        int updates = 0;
    };

    /** The save-preset browser in a window, over a tree with a folder Pads, a plain file "plain",
        a folder "Folder.vpxp", and beside it a sibling "… old" and one in other letter case. */
    struct SaveBrowser
    {
        SaveBrowser()   { menu.setDirectoryPath (tree.root.getFullPathName()); processor.addListener (&hostDisplay); window.addChildComponent (browser); }
        ~SaveBrowser()  { processor.removeListener (&hostDisplay); }

        juce::FileBrowserComponent& list()  { return child<juce::FileBrowserComponent> (browser, {}); }
        juce::Component& overwrite()        { return child (browser, "overwriteComponent_"); }
        juce::String storedPath()           { return processor.getActivePresetPath(); }
        bool usable (const char* button)    { return child (browser, button).isEnabled() && child (browser, button).getAlpha() == 1.0f; }

        /** Shows the browser on a folder given relative to the root, with a name typed. */
        void open (const juce::String& folder, const juce::String& name)
        {
            browser.show();
            list().setRoot (tree.root.getChildFile (folder));
            list().setFileName (name);
        }

        PresetTreeTest::Tree tree { "Pads/", "plain", "Folder.vpxp/", "../LumiverPX2741 old/", "../lumiverpx2741/" };
        LumiverPX2741AudioProcessor processor;
        HostDisplay hostDisplay;
        VardunPresetMenu menu { "presetMenu_" };
        Window window;
        VardunPresetBrowser browser { "savePresetBrowser_", tree.root, "*.vpxp", 5, 1, 5, 3, 8, &processor, &menu };
    };
}

TEST (VardunPresetBrowser, SavesATypedNameOnlyInsideThePresetTreeAndStoresItsRelativePath)
{
    // folder shown, name typed, path stored (none: OK and New Folder stay greyed out)
    struct Case { const char* folder; const char* name; const char* stored; };

    for (const auto& c : { Case { "", "Mellow", "Mellow.vpxp" }, Case { "", "Mellow.VPXP", "Mellow.VPXP.vpxp" },
                           Case { "", "Mellow.vpxp", "Mellow.vpxp" }, Case { "Pads", "Mellow", "Pads/Mellow.vpxp" },
                           Case { "", "Pads/Mellow", "Pads/Mellow.vpxp" }, Case { "", "Pads/~take", "Pads/~take.vpxp" },
                           Case { "..", "Mellow", nullptr },
                           Case { "../LumiverPX2741 old", "Mellow", nullptr }, Case { "../lumiverpx2741", "Mellow", nullptr },
                           Case { "../LumiverPX2741 old", "../LumiverPX2741/Mellow", nullptr },
                           Case { "", "../LumiverPX2741 old/Mellow", nullptr },
                           Case { "Pads", ".", nullptr }, Case { "Pads", "./", nullptr },   // no name of their own
                           Case { "Pads", "Slow/..", nullptr },
                           Case { "", "~/Mellow", nullptr }, Case { "", "~Mellow", nullptr },   // read as home folders
                           Case { "", "Pads\\Mellow", nullptr }, Case { "", "\\", nullptr } })   // '\\' separates folders in stored paths
    {
        SCOPED_TRACE (juce::String (c.folder) + " " + c.name);
        SaveBrowser f;
        f.open (c.folder, c.name);
        const bool inTree = c.stored != nullptr;
        ASSERT_TRUE (pumpUntil ([&] { return f.usable ("OK") == inTree && f.usable ("New Folder") == inTree; }));

        if (inTree)
        {
            click (f.browser, "OK");
            EXPECT_EQ (presetLoaded, f.menu.readPreset (&f.processor, c.stored));
            EXPECT_EQ (f.storedPath(), c.stored);
            EXPECT_EQ (1, f.hostDisplay.updates);
            EXPECT_FALSE (f.browser.isVisible() || f.browser.isTimerRunning());
            EXPECT_EQ (Chain {}, modalChain());
            continue;
        }

        // Neither a double-click nor a save or new folder asked for between two polls goes through.
        f.list().fileDoubleClicked (f.tree.root.getChildFile ("plain"));
        deliverPendingMessages();
        f.browser.savePreset();
        f.browser.createNewFolder();
        EXPECT_EQ (Chain { &f.browser }, modalChain());
        EXPECT_EQ (f.storedPath(), "Init.vpxp");
        const auto home = juce::File::getSpecialLocation (juce::File::userHomeDirectory);
        EXPECT_TRUE (home.findChildFiles (juce::File::findFilesAndDirectories, true, "*Mellow*").isEmpty());
        EXPECT_TRUE (home.findChildFiles (juce::File::findFiles, true, "*.vpxp").isEmpty());
        f.browser.hide();
    }
}

TEST (VardunPresetBrowser, AsksBeforeOverwritingAndReturnsToTheBrowserOnCancel)
{
    SaveBrowser f;
    const auto existing = f.tree.add ("Pads/Mellow.vpxp");
    existing.replaceWithText ("old");

    // The click that chose the file comes just before the double-click: OK is decided then.
    f.open ("Pads", "Mellow.vpxp");
    f.list().fileDoubleClicked (existing);
    deliverPendingMessages();
    EXPECT_EQ (Chain { &f.overwrite() }, modalChain());
    EXPECT_EQ (titleOf (f.overwrite()), "Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"");
    writePicture (f.overwrite(), "overwrite-question");

    click (f.overwrite(), "CANCEL");
    EXPECT_EQ (Chain { &f.browser }, modalChain());
    EXPECT_EQ (existing.loadFileAsString() + " " + f.storedPath(), "old Init.vpxp");

    f.list().setFileName ("Mellow");
    ASSERT_TRUE (pumpUntil ([&] { return f.usable ("OK"); }));
    click (f.browser, "OK");
    click (f.overwrite(), "OK");
    EXPECT_EQ (presetLoaded, f.menu.readPreset (&f.processor, "Pads/Mellow.vpxp"));
    EXPECT_EQ (f.storedPath(), "Pads/Mellow.vpxp");
    EXPECT_FALSE (f.browser.isVisible() || f.overwrite().isVisible());
    EXPECT_EQ (Chain {}, modalChain());
}

TEST (VardunPresetBrowser, AFailedWriteIsReportedStoresNothingAndKeepsThePanelsOpen)
{
    // Nothing can be written below the plain file "plain"; over the folder "Folder.vpxp" the question comes first.
    for (const auto& [name, file] : { std::pair { "plain/Mellow", "plain/Mellow.vpxp" }, { "Folder", "Folder.vpxp" } })
    {
        SCOPED_TRACE (file);
        SaveBrowser f;
        f.open ({}, name);
        ASSERT_TRUE (pumpUntil ([&] { return f.usable ("OK"); }));
        click (f.browser, "OK");
        const bool asked = f.overwrite().isVisible();
        EXPECT_EQ (asked, juce::String (name) == "Folder");

        if (asked)
            click (f.overwrite(), "OK");

        auto& reporter = asked ? f.overwrite() : f.browser;
        auto& alert = child (reporter, "alertComponent_");
        EXPECT_EQ (Chain { &alert }, modalChain());
        EXPECT_EQ (titleOf (alert), "Couldn't save the preset!\n\n\"" + juce::String (file) + "\"");
        click (alert, "OK");
        EXPECT_EQ (Chain { &reporter }, modalChain());
        EXPECT_EQ (f.storedPath(), "Init.vpxp");
        EXPECT_TRUE (f.browser.isVisible());

        if (asked)
            click (f.overwrite(), "CANCEL");

        f.browser.hide();
    }
}

TEST (VardunPresetBrowser, HandsTheModalStateAlongItsPanelsAndBack)
{
    SaveBrowser f;
    for (auto* entry : { "Lead.vpxp", "Pads/Soft.vpxp", "notes.txt" })
        f.tree.add (entry);

    f.browser.show();
    f.browser.show();   // a second show leaves the chain as it was
    EXPECT_EQ (Chain { &f.browser }, modalChain());
    auto& listed = f.list().getDisplayComponent()->directoryContentsList;
    ASSERT_TRUE (pumpUntil ([&] { return ! listed.isStillLoading() && listed.getNumFiles() == 3; }));   // Folder.vpxp, Pads, Lead.vpxp
    writePicture (f.browser, "save-preset-browser");

    click (f.browser, "New Folder");
    auto& dialog = child (f.browser, "newFolderComponent_");
    child<juce::TextEditor> (dialog, "textEditor_").setText ("Pads");
    ASSERT_TRUE (pumpUntil ([&] { return child (dialog, "OK").isEnabled(); }));
    click (dialog, "OK");
    auto& alert = child (dialog, "alertComponent_");
    EXPECT_EQ (Chain { &alert }, modalChain());

    click (alert, "OK");
    EXPECT_EQ (Chain { &dialog }, modalChain());
    click (dialog, "CANCEL");
    EXPECT_EQ (Chain { &f.browser }, modalChain());
    click (f.browser, "CANCEL");
    EXPECT_EQ (Chain {}, modalChain());
}

TEST (VardunFileBrowser, BuildsTheChildrenOfItsTypeAndNothingForOtherTypes)
{
    PresetTreeTest::Tree tree { "Lead.vpxp" };

    for (auto [type, numChildren] : { std::pair { 1, 3 }, { 4, 3 }, { 5, 5 }, { 0, 0 }, { 6, 0 }, { -1, 0 } })
    {
        SCOPED_TRACE (type);
        Window window;
        VardunFileBrowser browser ("browser", tree.root, " ", type, 2, 1, 3, 8);
        window.addChildComponent (browser);
        EXPECT_EQ (numChildren, browser.getNumChildComponents());
        browser.show();
        browser.timerCallback();
        EXPECT_EQ (numChildren > 0 ? Chain { &browser } : Chain {}, modalChain());
        browser.hide();
    }

    // Built before its root folder exists, the browser starts beside it; the first show goes in.
    Window window;
    const auto root = tree.root.getChildFile ("Presets");
    VardunFileBrowser browser ("browser", root, "*.vpxp", 5, 1, 5, 3, 8);
    window.addChildComponent (browser);
    root.createDirectory();
    browser.show();
    EXPECT_EQ (root, child<juce::FileBrowserComponent> (browser, {}).getRoot());
    browser.hide();
}
