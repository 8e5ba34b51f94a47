#include "FilmStripTestHelpers.h"
#include "LumiverPX2741AudioProcessorEditor.h"
#include "PanelTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
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
            gestures.add ("change " + juce::String (index));
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override         { ++displayUpdates; }
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override  { gestures.add ("begin " + juce::String (index)); }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override    { gestures.add ("end " + juce::String (index)); }

        void clear()  { changes.clear(); gestures.clear(); }

        std::vector<std::pair<int, float>> changes;
        juce::StringArray gestures;   // begin, change and end, in the order the host hears them
        int displayUpdates = 0;
    };

    /** What the host hears of one edit of a parameter: begin, its value, end. */
    juce::StringArray gestureOf (int index)
    {
        const juce::String k (index);
        return { "begin " + k, "change " + k, "end " + k };
    }

    /** Opens what the editor asks for, on paper only. */
    struct RecordingOpener : ExternalOpener
    {
        bool openDocument (const juce::File& document) override  { opened.add (document.getFullPathName()); return true; }
        bool openWebPage (const juce::URL& page) override        { opened.add (page.toString (false)); return true; }
        juce::StringArray opened;
    };

    /** An editor on a processor, its poll stopped so that the tests tick it by hand. */
    struct EditorTest : ::testing::Test
    {
        EditorTest()            { presetRootFolder().deleteRecursively(); processor.addListener (&host); }
        ~EditorTest() override  { editor.reset(); processor.removeListener (&host); presetRootFolder().deleteRecursively(); }

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

        /** Writes the processor's current preset under the preset root, marked with the version given. */
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

        PanelTest::Window window;
        LumiverPX2741AudioProcessor processor;
        HostRecorder host;
        RecordingOpener opener;
        std::unique_ptr<Editor> editor;
    };
}

TEST_F (EditorTest, BuildsItsChildrenInOrderAndSendsNothingToTheHost)
{
    const struct { const char* name; juce::Rectangle<int> bounds; bool visible; } layout[] = {
        { "fileButton_", { 6, 3, 58, 26 }, true }, { "presetDecButton_", { 263, 3, 29, 26 }, true },
        { "presetIncButton_", { 292, 3, 29, 26 }, true }, { "presetMenu_", { 67, 3, 192, 26 }, true },
        { "abButton_", { 92, 35, 62, 23 }, true }, { "abCopyButton_", { 163, 30, 75, 25 }, true },
        { "bypassButton_", { 222, 354, 90, 99 }, true }, { "stereoSpreadButton_", { 263, 62, 54, 22 }, true },
        { "syncButton_", { 7, 62, 54, 22 }, true }, { "typeKnob_", { 106, 137, 48, 80 }, true },
        { "type1ShortcutButton_", { 160, 135, 25, 10 }, true }, { "type2ShortcutButton_", { 160, 154, 46, 10 }, true },
        { "type3ShortcutButton_", { 160, 172, 55, 10 }, true }, { "rateKnob_", { 14, 126, 73, 72 }, true },
        { "rateSyncKnob_", { 14, 126, 73, 72 }, false }, { "shapeKnob_", { 68, 225, 73, 72 }, true },
        { "depthKnob_", { 180, 225, 73, 72 }, true }, { "levelKnob_", { 237, 126, 73, 72 }, true },
        { "aboutShowButton_", { 15, 383, 109, 58 }, true }, { "aboutContainer_", { 0, 0, 325, 455 }, false },
        { "savePresetBrowser_", { 0, 0, 325, 454 }, false }, { "overwritePresetComponent_", { 0, 0, 325, 454 }, false },
        { "alert_", { 0, 0, 325, 454 }, false },
    };

    processor.programs[0].activeChannel = 1;
    open();

    EXPECT_EQ (editor->getLocalBounds(), juce::Rectangle<int> (325, 454));
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

TEST_F (EditorTest, EachControlShowsItsParameterFromTheHostAndSendsItBack)
{
    writePresetFile ("Init.vpxp");
    open();
    tick (3);
    ASSERT_EQ (shownPreset(), "Init");
    const auto rateKnobsShown = [this] { return std::pair { editor->rateKnob_->isVisible(), editor->rateSyncKnob_->isVisible() }; };

    // Host automation shows at the next tick and marks the preset, once; the control, operated,
    // sends the host its new value alone, as one gesture, and sync shows the other rate knob at once.
    const std::tuple<int, float, juce::Component*> cases[] = {
        { onBypassIndex, 0.0f, editor->bypassButton_.get() }, { tremoloTypeIndex, 1.0f, editor->typeKnob_.get() },
        { rateIndex, 0.25f, editor->rateKnob_.get() },
        { rateSyncIndex, (float) (9 * VardunModDelaySyncKnob::stepInterval), editor->rateSyncKnob_.get() },
        { shapeIndex, 0.75f, editor->shapeKnob_.get() }, { depthIndex, 0.125f, editor->depthKnob_.get() },
        { levelIndex, 1.0f, editor->levelKnob_.get() }, { stereoIndex, 1.0f, editor->stereoSpreadButton_.get() },
        { syncIndex, 1.0f, editor->syncButton_.get() },
    };

    for (const auto& [index, value, control] : cases)
    {
        processor.setParameter (index, value);
        tick();
        auto* knob = dynamic_cast<juce::Slider*> (control);
        auto* button = dynamic_cast<juce::Button*> (control);
        EXPECT_EQ (knob != nullptr ? (float) knob->getValue() : (button->getToggleState() ? 1.0f : 0.0f), value) << index;
        EXPECT_EQ (shownPreset(), "Init*") << index;
        EXPECT_TRUE (host.changes.empty());
        EXPECT_EQ (rateKnobsShown(), std::pair (index != syncIndex, index == syncIndex));

        if (knob != nullptr)
        {
            // As the framework wraps a drag, click, wheel turn or double-click.
            const juce::Slider::ScopedDragNotification drag (*knob);
            knob->setValue (knob->getMinimum(), juce::sendNotificationSync);
        }
        else
        {
            click (*button);
        }

        EXPECT_EQ (host.changes, (decltype (host.changes) { { index, knob != nullptr ? 0.0f : 1.0f - value } })) << index;
        EXPECT_EQ (host.gestures, gestureOf (index)) << index;
        EXPECT_EQ (rateKnobsShown(), std::pair (true, false));
        host.clear();
    }

    for (const auto& [shortcut, type] : { std::pair { editor->type3ShortcutButton_.get(), 1.0f },
                                          { editor->type2ShortcutButton_.get(), 0.5f }, { editor->type1ShortcutButton_.get(), 0.0f } })
    {
        host.clear();
        click (*shortcut);
        EXPECT_EQ (host.changes, (decltype (host.changes) { { tremoloTypeIndex, type } }));
        EXPECT_EQ (host.gestures, gestureOf (tremoloTypeIndex));
    }
}

TEST_F (EditorTest, TheTypeSwitchAndTheSyncedRateKnobShowTheWaveAndNoteThatPlay)
{
    open();
    tick (3);
    auto& typeSwitch = *editor->typeKnob_;
    auto& syncKnob = *editor->rateSyncKnob_;
    typeSwitch.setImage (FilmStripTest::makeStrip (3, 48, 80), 3);
    syncKnob.setImage (FilmStripTest::makeStrip (19, 8, 8), 19);

    // Wave or note n plays for the values in ((n - 1) / steps, n / steps]; the control shows
    // frame n, and its name is the type's host text or the synced-rate knob's label of step n.
    for (const auto& [index, control, steps] : { std::tuple<int, juce::Slider*, int> { tremoloTypeIndex, &typeSwitch, 2 },
                                                 { rateSyncIndex, &syncKnob, 18 } })
    {
        const bool isType = index == tremoloTypeIndex;

        for (int i = 0; i <= 1000; ++i)
        {
            const float value = (float) i / 1000.0f;
            processor.setParameter (index, value);
            tick();

            const int plays = (int) std::ceil (steps * (double) value);
            ASSERT_EQ (isType ? ParameterTable::getWaveType (value) : ParameterTable::getNoteValue (value), plays) << value;
            ASSERT_EQ (FilmStripTest::frameAtCentre (*control, steps + 1), plays) << value;

            if (isType)
                ASSERT_EQ (processor.getParameterText (index), "Type " + juce::String (plays + 1)) << value;
            else
                ASSERT_EQ (syncKnob.getTextFromValue (syncKnob.getValue()),
                           syncKnob.getTextFromValue (VardunModDelaySyncKnob::valueOfNote (plays))) << value;
        }
    }

    // Shown at the triangle that plays, a click on square sends square.
    processor.setParameter (tremoloTypeIndex, 0.6f);
    tick();
    host.clear();
    FilmStripTest::Mouse mouse (typeSwitch);
    mouse.pressAt ({ 24.0f, 22.0f });
    mouse.releaseAt ({ 24.0f, 22.0f });
    EXPECT_EQ (host.changes, (decltype (host.changes) { { tremoloTypeIndex, 0.5f } }));

    // Whatever a host sends, exactly one rate knob shows.
    for (const int index : { syncIndex, rateSyncIndex })
    {
        for (const float value : { -0.5f, 1.5f })
        {
            processor.setParameter (index, value);
            tick();
            EXPECT_NE (editor->rateKnob_->isVisible(), syncKnob.isVisible()) << index << " " << value;
        }
    }
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

    // The switch shows slot B of program 5; program 0, at A, comes from the host before any tick.
    processor.programs[5].activeChannel = 1;
    processor.setCurrentProgram (5);
    open();
    tick (3);
    processor.setCurrentProgram (0);
    host.clear();

    click (*editor->abButton_);

    EXPECT_EQ (program.activeChannel.load(), 1);
    EXPECT_TRUE (editor->abButton_->getToggleState());
    ASSERT_EQ (host.changes.size(), (size_t) numParameters);
    juce::StringArray gestures;

    for (int k = 0; k < numParameters; ++k)
    {
        EXPECT_EQ (host.changes[(size_t) k], std::make_pair (k, program.slotParams[1][k].load()));
        gestures.addArray (gestureOf (k));
    }

    EXPECT_EQ (host.gestures, gestures);

    EXPECT_EQ (shownPreset(), "Bright");
    EXPECT_GE (host.displayUpdates, 1);

    // The tick that follows shows the program change, not an edit.
    tick();
    EXPECT_EQ (shownPreset(), "Bright");
}

TEST_F (EditorTest, CopyingBetweenSlotsChangesNothingAudible)
{
    auto& program = processor.programs[0];

    for (const int source : { 0, 1 })
    {
        for (int k = 0; k < numParameters; ++k)
        {
            program.slotParams[0][k] = 0.1f;
            program.slotParams[1][k] = 0.2f;
        }

        // The switch shows the other slot, that of program 3, until a tick shows the host's change.
        program.activeChannel = source;
        processor.programs[3].activeChannel = 1 - source;
        processor.setCurrentProgram (3);
        open();
        tick();
        processor.setCurrentProgram (0);
        host.clear();
        processor.parametersChanged = false;
        click (*editor->abCopyButton_);

        for (int k = 0; k < numParameters; ++k)
            for (int slot : { 0, 1 })
                EXPECT_EQ (program.slotParams[slot][k].load(), source == 1 ? 0.2f : 0.1f) << source << slot << k;

        EXPECT_TRUE (host.gestures.isEmpty());
        EXPECT_FALSE (processor.parametersChanged.load());
        EXPECT_EQ (program.activeChannel.load(), source);
    }
}

TEST_F (EditorTest, SteppingAndPickingLoadIntoTheActiveSlotAndWarnOfANewerPreset)
{
    writePresetFile ("A.vpxp");
    processor.setParameter (depthIndex, 0.75f);
    writePresetFile ("Pads/Z.vpxp", "2.0");
    processor.setParameter (depthIndex, 0.5f);
    processor.programs[0].activeChannel = 1;
    open();
    tick (3);

    // Pads/Z is the first file (a folder's files come before its parent's), A the last;
    // 0 picks A through the preset menu's listener.
    const std::pair<int, const char*> steps[] = { { 1, "Pads/Z.vpxp" }, { 1, "A.vpxp" }, { 1, "Pads/Z.vpxp" },
                                                  { -1, "A.vpxp" }, { -1, "Pads/Z.vpxp" }, { 0, "A.vpxp" } };

    for (const auto& [step, path] : steps)
    {
        SCOPED_TRACE (path);
        processor.programChanged = processor.parametersChanged = false;
        host.displayUpdates = 0;

        if (step == 0)
        {
            editor->presetMenu_->setSelectedFileIndex (2);
            editor->labelTextChanged (editor->presetMenu_.get());
        }
        else
        {
            click (step > 0 ? *editor->presetIncButton_ : *editor->presetDecButton_);
        }

        const bool newer = juce::String (path) == "Pads/Z.vpxp";
        EXPECT_EQ (processor.getPresetPath (0, 1), path);
        EXPECT_EQ (processor.getParameter (depthIndex), newer ? 0.75f : 0.5f);
        EXPECT_TRUE (processor.programChanged.load() && processor.parametersChanged.load());
        EXPECT_EQ (host.displayUpdates, 1);
        ASSERT_EQ (editor->alert_->isVisible(), newer);

        if (newer)
        {
            EXPECT_EQ (PanelTest::titleOf (*editor->alert_),
                       "\"Pads/Z.vpxp\"\nwas made using a newer version of Lumiver PX2741.\n"
                       "To use this preset correctly, please install the newest version from: https://vardun.example.com/downloads");
            editor->alert_->hide();
        }
    }

    EXPECT_EQ (processor.getPresetPath (0, 0), "Init.vpxp");
}

TEST_F (EditorTest, FileMenuItemsShowTheirPanelsAndSaveOverTheSlotsFileWhenConfirmed)
{
    const auto root = presetRootFolder();
    const auto outside = root.getParentDirectory().getChildFile ("Elsewhere.vpxp");

    // item, the slot's preset path, files written?, the panel shown
    struct Case { int item; juce::String presetPath; bool filesExist; juce::String shown; };
    const Case cases[] = {
        { 0, "Init.vpxp", true, {} }, { 99, "Init.vpxp", true, {} },
        { 1, "Pads/Mellow.vpxp", true, "overwritePresetComponent_" }, { 1, "Pads/Mellow.vpxp", false, "savePresetBrowser_" },
        { 1, "../Elsewhere.vpxp", true, "savePresetBrowser_" }, { 1, outside.getFullPathName(), true, "savePresetBrowser_" },
        { 2, "Pads/Mellow.vpxp", true, "savePresetBrowser_" },
    };

    for (const auto& c : cases)
    {
        root.deleteRecursively();
        processor.setActivePresetPath (c.presetPath);

        if (c.filesExist)
        {
            writePresetFile ("Pads/Mellow.vpxp");
            writePresetFile ("Init.vpxp");
            EXPECT_TRUE (outside.replaceWithText ("<vardunPatch/>"));
        }

        open();
        editor->fileMenuResult (c.item);
        EXPECT_TRUE (root.isDirectory());

        for (const char* overlay : { "overwritePresetComponent_", "savePresetBrowser_", "alert_" })
            EXPECT_EQ (PanelTest::child (*editor, overlay).isVisible(), c.shown == overlay) << c.item << " " << c.presetPath << " " << overlay;

        if (c.shown == "overwritePresetComponent_")
        {
            EXPECT_EQ (PanelTest::titleOf (*editor->overwritePresetComponent_),
                       "Are you sure you want to overwrite this preset?\n\n\"Pads/Mellow.vpxp\"");
            processor.setParameter (levelIndex, 0.25f);
            host.displayUpdates = 0;
            PanelTest::click (*editor->overwritePresetComponent_, "OK");
            EXPECT_TRUE (PanelTest::modalChain().empty());
            EXPECT_FALSE (processor.comparePreset (juce::parseXML (root.getChildFile ("Pads/Mellow.vpxp"))));
            EXPECT_EQ (host.displayUpdates, 1);
        }

        editor.reset();
    }

    outside.deleteFile();
    EXPECT_TRUE (opener.opened.isEmpty());
}

TEST_F (EditorTest, TheManualAndTheWebsiteGoThroughTheOpenerAndAMissingManualIsSaidWithAFrown)
{
    const auto manual = Editor::getUserManualFile();
    ASSERT_TRUE (manual.getParentDirectory().createDirectory() && manual.replaceWithText ("manual"));

    open();
    editor->fileMenuResult (Editor::userManualItem);
    editor->fileMenuResult (Editor::websiteItem);
    EXPECT_EQ (opener.opened, juce::StringArray (manual.getFullPathName(), "https://vardun.example.com/"));
    EXPECT_FALSE (editor->alert_->isVisible());

    manual.deleteFile();
    editor->fileMenuResult (Editor::userManualItem);
    EXPECT_EQ (PanelTest::titleOf (*editor->alert_), "User manual on: \"" + manual.getFullPathName() + "\" is not available.");
    VardunAlertComponent frown ("frown", 4, 1, 3);
    frown.setBounds (editor->alert_->getBounds());
    EXPECT_TRUE (PanelTest::samePixels (PanelTest::painted (*editor->alert_), PanelTest::painted (frown)));
    editor->alert_->hide();
}

TEST_F (EditorTest, ClosingWithAnOverlayShownOrADragUnderWayLeavesNothingOpen)
{
    const std::function<void (Editor&)> showOverlay[] = {
        [] (Editor& e) { e.fileMenuResult (Editor::savePresetAsItem); },
        [] (Editor& e) { e.fileMenuResult (Editor::userManualItem); },
        [] (Editor& e) { e.overwritePresetComponent_->show (2, 1); },
        [] (Editor& e) { e.fileMenuResult (Editor::savePresetAsItem); PanelTest::click (*e.savePresetBrowser_, "New Folder"); },
        [this] (Editor& e)
        {
            click (*e.aboutShowButton_);
            EXPECT_EQ (PanelTest::child<juce::Label> (*e.aboutContainer_, "versionLabel_").getText(), "1.0.1 (64bit)");
        },
        // The mouse still down on a knob or the type switch: the host's gesture is left open.
        [] (Editor& e) { FilmStripTest::Mouse (*e.depthKnob_).press(); },
        [] (Editor& e) { FilmStripTest::Mouse (*e.typeKnob_).pressAt ({ 24.0f, 70.0f }); },
    };

    for (const auto& show : showOverlay)
    {
        open();
        host.clear();
        show (*editor);
        const bool dragging = ! host.gestures.isEmpty();
        EXPECT_NE (dragging, ! PanelTest::modalChain().empty());
        editor.reset();
        EXPECT_TRUE (PanelTest::modalChain().empty());

        // A drag's gesture ends with the window.
        EXPECT_EQ (host.gestures[host.gestures.size() - 1], host.gestures[0].replace ("begin", "end"));
    }
}
