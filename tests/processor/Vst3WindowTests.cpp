#include "PluginWindowLayout.h"
#include "Vst3HostFixture.h"
#include "X11WindowReader.h"

#include <functional>
#include <vector>

using namespace PluginWindowLayout;
using namespace ProcessorTest;
using WindowPixels::differInside;

namespace
{
    void pump()  { runMessageLoop (1); }

    /** The plug-in's own window, opened through the built VST3 bundle as a host opens it and read
        back from the X server. */
    class Vst3Window : public Vst3Host
    {
    protected:
        void SetUp() override
        {
            if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
                GTEST_SKIP() << "no X display";

            ASSERT_TRUE (reader.isConnected());
            Vst3Host::SetUp();
            plugin = load();
            ASSERT_NE (plugin, nullptr);
        }

        void TearDown() override
        {
            editor.reset();   // the window goes before the instance, as in a host
            plugin.reset();
        }

        /** Opens the window on the desktop, kept off screen from its first pixel, and waits for
            the plug-in's own drawing window inside it to show a settled picture. */
        void open()
        {
            ASSERT_TRUE (plugin->hasEditor());
            editor.reset (plugin->createEditorIfNeeded());
            ASSERT_NE (editor, nullptr);
            EXPECT_EQ (editor->getWidth(), width);
            EXPECT_EQ (editor->getHeight(), height);

            editor->setVisible (false);
            editor->addToDesktop (0);
            const auto top = (X11WindowReader::WindowId) (juce::pointer_sized_uint) editor->getWindowHandle();
            reader.keepContentsOf (top);
            editor->setVisible (true);

            ASSERT_TRUE (WindowPixels::runUntil (pump, [&]
            {
                view = reader.findDrawingWindow (top, width, height);
                return view != 0 && view != top;
            }, windowTimeoutMs));

            reader.clearForItsClient (view);

            ASSERT_TRUE (settle());
        }

        bool settle()
        {
            picture = WindowPixels::settledPicture (reader, view, pump, windowTimeoutMs);
            return picture.isValid();
        }

        /** Runs the loop until every area differs from the picture. */
        bool changesShow (const juce::Image& before, const std::vector<juce::Rectangle<int>>& areas)
        {
            return WindowPixels::runUntil (pump, [&]
            {
                const auto now = reader.grab (view);
                return std::all_of (areas.begin(), areas.end(), [&] (const auto& area) { return differInside (before, now, area); });
            }, windowTimeoutMs);
        }

        X11WindowReader reader;
        std::unique_ptr<juce::AudioPluginInstance> plugin;
        std::unique_ptr<juce::AudioProcessorEditor> editor;
        X11WindowReader::WindowId view = 0;
        juce::Image picture;
    };
}

TEST_F (Vst3Window, HostAutomationMovesEachControl)
{
    // One after the other in one window; the synced rate knob shows once sync is on.
    const std::tuple<int, float, juce::Rectangle<int>, juce::Rectangle<int>> automations[] = {
        { onBypassIndex, 0.0f, footswitch, {} }, { tremoloTypeIndex, 1.0f, typeSwitch, {} }, { rateIndex, 0.9f, rateKnobs, {} },
        { shapeIndex, 0.1f, shapeKnob, {} }, { depthIndex, 1.0f, depthKnob, {} }, { levelIndex, 0.2f, levelKnob, {} },
        { stereoIndex, 1.0f, stereoButton, {} }, { syncIndex, 1.0f, syncButton, rateKnobs }, { rateSyncIndex, 0.9f, rateKnobs, {} },
    };

    ASSERT_NO_FATAL_FAILURE (open());

    for (const auto& [index, value, control, alsoChanged] : automations)
    {
        SCOPED_TRACE (ParameterTable::getKey (index));
        const auto before = picture;

        plugin->getParameters()[index]->setValueNotifyingHost (value);
        EXPECT_TRUE (changesShow (before, { control }));
        ASSERT_TRUE (settle());
        EXPECT_TRUE (differInside (before, picture, control));

        // Nothing else moves; the preset name gains its edit mark with the first change.
        EXPECT_FALSE (WindowPixels::differOutside (before, picture, { control, alsoChanged, presetStrip }));
    }
}

TEST_F (Vst3Window, PicturesOfTheOpenWindowAndACleanClose)
{
    // Each picture comes from a full state the host sets; the last one goes back to the defaults.
    const std::tuple<const char*, std::function<void (LumiverPX2741AudioProcessor&)>, std::vector<juce::Rectangle<int>>> settings[] = {
        { "window-sync-on.png", [] (auto& p) { p.setParameter (syncIndex, 1.0f); }, { syncButton, rateKnobs } },
        { "window-slot-b.png", [] (auto& p)
          {
              p.programs[0].activeChannel.store (1);
              p.setParameter (tremoloTypeIndex, 0.5f);
              p.setParameter (depthIndex, 0.9f);
          }, { abSwitch, abCopyButton, typeSwitch, depthKnob } },
        { "window-preset.png", [] (auto& p)
          {
              p.setParameter (shapeIndex, 0.8f);
              p.setParameter (levelIndex, 0.35f);
              const auto file = presetRootFolder().getChildFile ("Pads/Slow Swell.vpxp");
              ASSERT_TRUE (file.getParentDirectory().createDirectory() && p.writePreset (true).writeTo (file));
              p.setActivePresetPath ("Pads/Slow Swell.vpxp");
          }, { presetStrip, shapeKnob, levelKnob } },
        { "window-default.png", [] (auto&) {}, {} },
    };

    ASSERT_NO_FATAL_FAILURE (open());
    const auto defaultPicture = picture;

    for (const auto& [fileName, prepare, changedAreas] : settings)
    {
        SCOPED_TRACE (fileName);
        LumiverPX2741AudioProcessor direct;
        prepare (direct);
        juce::XmlElement hostState ("VST3PluginState");
        hostState.createNewChildElement ("IComponent")->addTextElement (stateOf (direct).toBase64Encoding());
        juce::MemoryBlock block;
        juce::AudioProcessor::copyXmlToBinary (hostState, block);
        plugin->setStateInformation (block.getData(), (int) block.getSize());

        if (changedAreas.empty())
            EXPECT_TRUE (WindowPixels::runUntil (pump, [&] { return ! differInside (reader.grab (view), defaultPicture, defaultPicture.getBounds()); },
                                                 windowTimeoutMs)) << "the window did not return to its default picture";
        else
            EXPECT_TRUE (changesShow (defaultPicture, changedAreas));

        ASSERT_TRUE (settle());

        for (const auto& area : changedAreas)
            EXPECT_TRUE (differInside (defaultPicture, picture, area)) << area.toString();

        EXPECT_TRUE (WindowPixels::writePng (picture, juce::File (LUMIVER_WINDOW_PICTURES_DIR).getChildFile (fileName)));
    }

    // Closed, the plug-in's window goes with the host's; a new one starts from the same state.
    const auto firstView = view;
    editor.reset();
    EXPECT_TRUE (WindowPixels::runUntil (pump, [&] { return ! reader.exists (firstView); }, windowTimeoutMs));
    ASSERT_NO_FATAL_FAILURE (open());
    EXPECT_NE (view, firstView);
    EXPECT_FALSE (differInside (picture, defaultPicture, picture.getBounds()));
}

TEST_F (Vst3Window, ADragOnAKnobReachesTheHostAsOneGestureOfItsParameter)
{
    ASSERT_NO_FATAL_FAILURE (open());
    ParameterRecorder host;
    plugin->addListener (&host);

    // Up by 20 and 40 pixels from the knob's centre: two steps of 20 / 250 of the range.
    const auto centre = depthKnob.getCentre();
    reader.dragMouse (view, { centre, centre.translated (0, -20), centre.translated (0, -40), centre.translated (0, -40) });

    const auto ended = [&] { return host.events.contains ("end " + juce::String (depthIndex)); };
    EXPECT_TRUE (WindowPixels::runUntil (pump, ended, windowTimeoutMs));
    plugin->removeListener (&host);

    const juce::String depth (depthIndex);
    EXPECT_EQ (host.events, juce::StringArray ("begin " + depth, "change " + depth, "change " + depth, "end " + depth))
        << host.events.joinIntoString (", ");
    EXPECT_NEAR (plugin->getParameters()[depthIndex]->getValue(), 0.5f + 40.0f / 250.0f, 1.0e-6f);
}
