#include "LumiverPX2741AudioProcessorEditor.h"
#include "PanelTestHelpers.h"

#include <gtest/gtest.h>

#include <vector>

using Editor = LumiverPX2741AudioProcessorEditor;

namespace
{
    /** Counts what the editor sends the host. */
    struct HostRecorder : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            changes.push_back ({ index, value });
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override  { ++displayUpdates; }

        std::vector<std::pair<int, float>> changes;
        int displayUpdates = 0;
    };

    /** Opens what the editor asks for, on paper only. */
    struct RecordingOpener : ExternalOpener
    {
        bool openDocument (const juce::File& document) override  { opened.add (document.getFullPathName()); return true; }
        bool openWebPage (const juce::URL& page) override        { opened.add (page.toString (false)); return true; }

        juce::StringArray opened;
    };

    /** An editor on a processor, with its poll stopped so that the tests tick
        it by hand and count ticks exactly. */
    struct EditorTest : ::testing::Test
    {
        EditorTest()
        {
            presetRootFolder().deleteRecursively();
            processor.addListener (&host);
        }

        ~EditorTest() override
        {
            editor.reset();
            processor.removeListener (&host);
            presetRootFolder().deleteRecursively();
        }

        void open()
        {
            editor = std::make_unique<Editor> (&processor);
            editor->stopTimer();
            editor->setExternalOpener (&opener);
            window.addAndMakeVisible (*editor);
        }

        void tick (int count = 1)
        {
            for (int i = 0; i < count; ++i)
                editor->timerCallback();
        }

        /** A click as the framework delivers it: a toggle has changed state first. */
        void click (juce::Button& button)
        {
            if (button.getClickingTogglesState())
                button.setToggleState (! button.getToggleState(), juce::dontSendNotification);

            editor->buttonClicked (&button);
        }

        /** Writes the processor's current preset under the preset root, or an edited copy. */
        juce::File writePresetFile (const juce::String& relativePath, const juce::String& presetVersion = "1.0")
        {
            auto document = processor.writePreset (true);
            document.getChildByName ("Properties")->setAttribute ("presetVersion", presetVersion);
            const auto file = presetRootFolder().getChildFile (relativePath);
            file.getParentDirectory().createDirectory();
            EXPECT_TRUE (document.writeTo (file));
            return file;
        }

        juce::String shownPreset() const  { return editor->presetMenu_->getText(); }

        juce::String alertText()
        {
            return PanelTest::child<juce::Label> (*editor->alert_, "titleText_").getText();
        }

        PanelTest::Window window;
        LumiverPX2741AudioProcessor processor;
        HostRecorder host;
        RecordingOpener opener;
        std::unique_ptr<Editor> editor;
    };

    struct ChildLayout
    {
        const char* name;
        juce::Rectangle<int> bounds;
        bool visible;
    };
}

TEST_F (EditorTest, BuildsItsChildrenInOrderAndSendsNothingToTheHost)
{
    const ChildLayout layout[] = {
        { "fileButton_",               { 6, 3, 58, 26 },      true },
        { "presetDecButton_",          { 263, 3, 29, 26 },    true },
        { "presetIncButton_",          { 292, 3, 29, 26 },    true },
        { "presetMenu_",               { 67, 3, 192, 26 },    true },
        { "abButton_",                 { 92, 35, 62, 23 },    true },
        { "abCopyButton_",             { 163, 30, 75, 25 },   true },
        { "bypassButton_",             { 222, 354, 90, 99 },  true },
        { "stereoSpreadButton_",       { 263, 62, 54, 22 },   true },
        { "syncButton_",               { 7, 62, 54, 22 },     true },
        { "typeKnob_",                 { 106, 137, 48, 80 },  true },
        { "type1ShortcutButton_",      { 160, 135, 25, 10 },  true },
        { "type2ShortcutButton_",      { 160, 154, 46, 10 },  true },
        { "type3ShortcutButton_",      { 160, 172, 55, 10 },  true },
        { "rateKnob_",                 { 14, 126, 73, 72 },   true },
        { "rateSyncKnob_",             { 14, 126, 73, 72 },   false },
        { "shapeKnob_",                { 68, 225, 73, 72 },   true },
        { "depthKnob_",                { 180, 225, 73, 72 },  true },
        { "levelKnob_",                { 237, 126, 73, 72 },  true },
        { "aboutShowButton_",          { 15, 383, 109, 58 },  true },
        { "aboutContainer_",           { 0, 0, 325, 455 },    false },
        { "savePresetBrowser_",        { 0, 0, 325, 454 },    false },
        { "overwritePresetComponent_", { 0, 0, 325, 454 },    false },
        { "alert_",                    { 0, 0, 325, 454 },    false },
    };

    processor.programs[0].activeChannel = 1;
    open();

    EXPECT_EQ (editor->getBounds().getWidth(), 325);
    EXPECT_EQ (editor->getBounds().getHeight(), 454);
    ASSERT_EQ (editor->getNumChildComponents(), (int) std::size (layout));

    for (int i = 0; i < editor->getNumChildComponents(); ++i)
    {
        const auto* child = editor->getChildComponent (i);
        EXPECT_EQ (child->getName(), layout[i].name) << "z-order " << i;
        EXPECT_EQ (child->getBounds(), layout[i].bounds) << layout[i].name;
        EXPECT_EQ (child->isVisible(), layout[i].visible) << layout[i].name;
    }

    // The first ticks show the active slot B and re-select the preset, and
    // still tell the host nothing.
    EXPECT_FALSE (editor->abButton_->getToggleState());
    tick (3);
    EXPECT_TRUE (editor->abButton_->getToggleState());
    EXPECT_EQ (shownPreset(), "Init*");
    EXPECT_TRUE (host.changes.empty());
    EXPECT_EQ (host.displayUpdates, 0);
}

TEST_F (EditorTest, HostAutomationReachesEveryControlAndMarksThePresetOnce)
{
    writePresetFile ("Init.vpxp");
    open();
    tick (3);
    ASSERT_EQ (shownPreset(), "Init");

    const auto value = [] (juce::Slider& s) { return (float) s.getValue(); };
    const auto on = [] (juce::Button& b) { return b.getToggleState() ? 1.0f : 0.0f; };

    struct Case { int index; float hostValue; std::function<float()> shown; };
    const Case cases[] = {
        { onBypassIndex,    0.0f,  [&] { return on (*editor->bypassButton_); } },
        { tremoloTypeIndex, 1.0f,  [&] { return value (*editor->typeKnob_); } },
        { rateIndex,        0.25f, [&] { return value (*editor->rateKnob_); } },
        { rateSyncIndex,    (float) (9 * VardunModDelaySyncKnob::stepInterval),
                                   [&] { return value (*editor->rateSyncKnob_); } },
        { shapeIndex,       0.75f, [&] { return value (*editor->shapeKnob_); } },
        { depthIndex,       0.125f,[&] { return value (*editor->depthKnob_); } },
        { levelIndex,       1.0f,  [&] { return value (*editor->levelKnob_); } },
        { stereoIndex,      1.0f,  [&] { return on (*editor->stereoSpreadButton_); } },
        { syncIndex,        1.0f,  [&] { return on (*editor->syncButton_); } },
    };

    for (const auto& c : cases)
    {
        processor.setParameter (c.index, c.hostValue);
        tick();
        EXPECT_EQ (c.shown(), c.hostValue) << "parameter " << c.index;
        EXPECT_EQ (shownPreset(), "Init*") << "parameter " << c.index;
    }

    EXPECT_TRUE (editor->rateSyncKnob_->isVisible());
    EXPECT_TRUE (host.changes.empty());
}

TEST_F (EditorTest, AProgramChangeReselectsThePresetOnExactlyThreeTicks)
{
    open();
    tick (3);

    processor.setPresetPath (3, 0, "Gone.vpxp");
    processor.setCurrentProgram (3);

    // Each re-selection rescans: the label follows the disk while it runs.
    const juce::String expected[] = { "Gone*", "Gone", "Gone*", "Gone*" };

    for (int t = 0; t < 4; ++t)
    {
        tick();
        EXPECT_EQ (shownPreset(), expected[t]) << "tick " << t;

        if (t % 2 == 0)
            writePresetFile ("Gone.vpxp");
        else
            presetRootFolder().getChildFile ("Gone.vpxp").deleteFile();
    }
}

TEST_F (EditorTest, SwitchingSlotsSendsAllNineValuesAndReselectsThePreset)
{
    auto& program = processor.programs[0];
    processor.setParameter (levelIndex, 0.9f);
    writePresetFile ("Pads/Bright.vpxp");
    processor.setPresetPath (0, 1, "Pads/Bright.vpxp");

    for (int k = 0; k < numParameters; ++k)
        program.slotParams[1][k] = k == levelIndex ? 0.9f : program.slotParams[0][k].load();

    open();
    tick (3);
    host.changes.clear();

    click (*editor->abButton_);

    EXPECT_EQ (program.activeChannel.load(), 1);
    ASSERT_EQ (host.changes.size(), (size_t) numParameters);

    for (int k = 0; k < numParameters; ++k)
        EXPECT_EQ (host.changes[(size_t) k], std::make_pair (k, program.slotParams[1][k].load()));

    EXPECT_EQ (shownPreset(), "Bright");
    EXPECT_GE (host.displayUpdates, 1);

    // The tick that follows shows the program change, not an edit.
    tick();
    EXPECT_EQ (shownPreset(), "Bright");
}

TEST_F (EditorTest, CopyingBetweenSlotsChangesNothingAudible)
{
    for (const bool bActive : { false, true })
    {
        auto& program = processor.programs[0];
        const int source = bActive ? 1 : 0;

        for (int k = 0; k < numParameters; ++k)
        {
            program.slotParams[0][k] = 0.1f;
            program.slotParams[1][k] = 0.2f;
        }

        program.activeChannel = source;
        open();
        tick();
        host.changes.clear();
        processor.parametersChanged = false;

        click (*editor->abCopyButton_);

        for (int k = 0; k < numParameters; ++k)
        {
            EXPECT_EQ (program.slotParams[0][k].load(), bActive ? 0.2f : 0.1f);
            EXPECT_EQ (program.slotParams[1][k].load(), bActive ? 0.2f : 0.1f);
        }

        EXPECT_TRUE (host.changes.empty());
        EXPECT_FALSE (processor.parametersChanged.load());
        EXPECT_EQ (program.activeChannel.load(), source);
    }
}

TEST_F (EditorTest, SteppingWrapsAtBothEnds)
{
    writePresetFile ("A.vpxp");
    processor.setParameter (depthIndex, 0.75f);
    writePresetFile ("Z.vpxp");

    open();
    tick (3);

    // The two files in the order the folder lists them.
    const auto first = editor->presetMenu_->getFileName (0) + ".vpxp";
    const auto last = editor->presetMenu_->getFileName (1) + ".vpxp";
    const juce::String expected[] = { first, last, first, last };

    for (int step = 0; step < 4; ++step)
    {
        click (step == 1 ? *editor->presetDecButton_ : *editor->presetIncButton_);
        EXPECT_EQ (processor.getActivePresetPath(), expected[step]) << step;
        EXPECT_EQ (processor.getParameter (depthIndex), expected[step] == "Z.vpxp" ? 0.75f : 0.5f);
        EXPECT_FALSE (editor->alert_->isVisible());
    }
}

TEST_F (EditorTest, APickInThePresetMenuLoadsThePresetIntoTheActiveSlot)
{
    processor.setParameter (depthIndex, 0.75f);
    writePresetFile ("Pads/Deep.vpxp", "2.0");
    processor.setParameter (depthIndex, 0.5f);
    processor.programs[0].activeChannel = 1;

    open();
    tick (3);
    editor->presetMenu_->setSelectedFileIndex (1);
    editor->labelTextChanged (editor->presetMenu_.get());

    EXPECT_EQ (processor.getPresetPath (0, 1), "Pads/Deep.vpxp");
    EXPECT_EQ (processor.getPresetPath (0, 0), "Init.vpxp");
    EXPECT_EQ (processor.getParameter (depthIndex), 0.75f);
    EXPECT_TRUE (processor.programChanged.load() && processor.parametersChanged.load());
    EXPECT_GE (host.displayUpdates, 1);
    EXPECT_EQ (alertText(), "\"Pads/Deep.vpxp\"\nwas made using a newer version of Lumiver PX2741.\n"
                            "To use this preset correctly, please install the newest version from: "
                            + juce::String (Editor::downloadPageAddress));
    editor->alert_->hide();
}

TEST_F (EditorTest, SavePresetOverwritesTheSlotsFileWhenConfirmed)
{
    const auto file = writePresetFile ("Pads/Mellow.vpxp");
    processor.setActivePresetPath ("Pads/Mellow.vpxp");
    processor.setParameter (levelIndex, 0.25f);

    open();
    editor->fileMenuResult (Editor::savePresetItem);
    PanelTest::click (*editor->overwritePresetComponent_, "OK");

    EXPECT_FALSE (editor->overwritePresetComponent_->isVisible());
    EXPECT_TRUE (PanelTest::modalChain().empty());
    EXPECT_EQ (processor.getActivePresetPath(), "Pads/Mellow.vpxp");
    EXPECT_GE (host.displayUpdates, 1);

    auto saved = juce::parseXML (file);
    ASSERT_NE (saved, nullptr);
    EXPECT_FALSE (processor.comparePreset (std::move (saved)));
}

TEST_F (EditorTest, ControlsSendTheirValuesToTheHostAndSyncChoosesTheRateKnobAtOnce)
{
    open();

    const std::pair<juce::Button*, std::pair<int, float>> buttons[] = {
        { editor->type3ShortcutButton_.get(), { tremoloTypeIndex, 1.0f } },
        { editor->type2ShortcutButton_.get(), { tremoloTypeIndex, 0.5f } },
        { editor->type1ShortcutButton_.get(), { tremoloTypeIndex, 0.0f } },
        { editor->bypassButton_.get(),        { onBypassIndex, 0.0f } },
        { editor->stereoSpreadButton_.get(),  { stereoIndex, 1.0f } },
        { editor->syncButton_.get(),          { syncIndex, 1.0f } },
    };

    for (const auto& [button, change] : buttons)
    {
        host.changes.clear();
        click (*button);
        ASSERT_EQ (host.changes.size(), 1u);
        EXPECT_EQ (host.changes[0], change) << button->getName();
    }

    EXPECT_FALSE (editor->rateKnob_->isVisible());
    EXPECT_TRUE (editor->rateSyncKnob_->isVisible());
    click (*editor->syncButton_);
    EXPECT_TRUE (editor->rateKnob_->isVisible());
    EXPECT_FALSE (editor->rateSyncKnob_->isVisible());

    const std::pair<juce::Slider*, int> knobs[] = {
        { editor->typeKnob_.get(), tremoloTypeIndex }, { editor->rateKnob_.get(), rateIndex },
        { editor->rateSyncKnob_.get(), rateSyncIndex }, { editor->shapeKnob_.get(), shapeIndex },
        { editor->depthKnob_.get(), depthIndex }, { editor->levelKnob_.get(), levelIndex },
    };

    for (const auto& [knob, index] : knobs)
    {
        host.changes.clear();
        knob->setValue (knob->getMaximum(), juce::sendNotificationSync);
        ASSERT_EQ (host.changes.size(), 1u) << knob->getName();
        EXPECT_EQ (host.changes[0], std::make_pair (index, (float) knob->getValue())) << knob->getName();
    }
}

TEST_F (EditorTest, FileMenuItemsDoWhatTheySay)
{
    const auto root = presetRootFolder();
    const auto outside = root.getParentDirectory().getChildFile ("Elsewhere.vpxp");

    struct Case { int item; juce::String presetPath; bool fileExists; juce::String shown; };
    const Case cases[] = {
        { 0,  "Init.vpxp",                 true,  {} },
        { 99, "Init.vpxp",                 true,  {} },
        { 1,  "Pads/Mellow.vpxp",          true,  "overwritePresetComponent_" },
        { 1,  "Pads/Mellow.vpxp",          false, "savePresetBrowser_" },
        { 1,  "../Elsewhere.vpxp",         true,  "savePresetBrowser_" },
        { 1,  outside.getFullPathName(),   true,  "savePresetBrowser_" },
        { 2,  "Pads/Mellow.vpxp",          true,  "savePresetBrowser_" },
        { 3,  {},                          false, "alert_" },
    };

    for (const auto& c : cases)
    {
        root.deleteRecursively();
        processor.setActivePresetPath (c.presetPath);

        if (c.fileExists)
        {
            writePresetFile ("Pads/Mellow.vpxp");
            writePresetFile ("Init.vpxp");
            EXPECT_TRUE (outside.replaceWithText ("<vardunPatch/>"));
        }

        open();
        editor->fileMenuResult (c.item);

        for (const char* overlay : { "overwritePresetComponent_", "savePresetBrowser_", "alert_" })
        {
            const bool expected = c.shown == overlay;
            EXPECT_EQ (PanelTest::child (*editor, overlay).isVisible(), expected)
                << "item " << c.item << " path " << c.presetPath << " " << overlay;
        }

        if (c.shown == "overwritePresetComponent_")
        {
            EXPECT_EQ (PanelTest::child<juce::Label> (*editor->overwritePresetComponent_, "titleText_").getText(),
                       "Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"");
        }

        if (c.shown == "savePresetBrowser_")
        {
            EXPECT_TRUE (root.isDirectory());
        }

        if (c.item == Editor::userManualItem)
        {
            EXPECT_EQ (alertText(), "User manual on: \"" + Editor::getUserManualFile().getFullPathName()
                                        + "\" is not available.");
        }

        editor.reset();
    }

    outside.deleteFile();
    EXPECT_TRUE (opener.opened.isEmpty());
}

TEST_F (EditorTest, TheManualAndTheWebsiteGoThroughTheOpener)
{
    const auto manual = Editor::getUserManualFile();
    ASSERT_TRUE (manual.getParentDirectory().createDirectory());
    ASSERT_TRUE (manual.replaceWithText ("manual"));

    open();
    editor->fileMenuResult (Editor::userManualItem);
    editor->fileMenuResult (Editor::websiteItem);

    EXPECT_EQ (opener.opened, juce::StringArray (manual.getFullPathName(), Editor::websiteAddress));
    EXPECT_FALSE (editor->alert_->isVisible());
    manual.deleteFile();

    // Without the manual: the message, with the frown.
    editor->fileMenuResult (Editor::userManualItem);
    VardunAlertComponent frown ("frown", 4, 1, 3);
    frown.setBounds (editor->alert_->getBounds());
    EXPECT_TRUE (PanelTest::samePixels (PanelTest::painted (*editor->alert_), PanelTest::painted (frown)));
    editor->alert_->hide();
}

TEST_F (EditorTest, TheAboutScreenShowsTheVersion)
{
    open();
    click (*editor->aboutShowButton_);

    EXPECT_TRUE (editor->aboutContainer_->isVisible());
    EXPECT_EQ (PanelTest::child<juce::Label> (*editor->aboutContainer_, "versionLabel_").getText(), "1.0.1 (64bit)");
    editor->aboutContainer_->hide();
}

TEST_F (EditorTest, ClosingWithAnOverlayShownLeavesNothingModal)
{
    const std::function<void (Editor&)> showOverlay[] = {
        [] (Editor& e) { e.fileMenuResult (Editor::savePresetAsItem); },
        [] (Editor& e) { e.fileMenuResult (Editor::userManualItem); },
        [] (Editor& e) { e.aboutContainer_->show(); },
        [] (Editor& e) { e.overwritePresetComponent_->show (2, 1); },
        [] (Editor& e) { e.fileMenuResult (Editor::savePresetAsItem);
                         PanelTest::click (*e.savePresetBrowser_, "New Folder"); },
    };

    for (const auto& show : showOverlay)
    {
        open();
        show (*editor);
        EXPECT_FALSE (PanelTest::modalChain().empty());
        editor.reset();
        EXPECT_TRUE (PanelTest::modalChain().empty());
    }
}
