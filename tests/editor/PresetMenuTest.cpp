#include "PresetTreeTestHelpers.h"

#include <LumiverPX2741AudioProcessor.h>
#include <VardunPresetMenu.h>

#include <gtest/gtest.h>

using namespace PresetTreeTest;
using Menu = Answered<VardunPresetMenu>;
constexpr int depth = 5;

TEST (VardunPresetMenu, FollowsTheEditedMarkCycle)
{
    Tree tree;
    LumiverPX2741AudioProcessor processor;
    Menu menu (tree.root);
    ASSERT_TRUE (menu.writePreset (&processor, "Lead Bright.vpxp"));

    // action, label after it
    const std::pair<std::function<void()>, const char*> steps[] = {
        { [&] { menu.setPresetHasChanged(); menu.setPresetHasChanged(); },                       "Lead Bright*" },
        { [&] { menu.setSelectedFileIndex (1); menu.compareAndMarkPreset (&processor); },        "Lead Bright" },
        { [&] { processor.setParameter (depth, 0.1f); menu.compareAndMarkPreset (nullptr); },    "Lead Bright" },
        { [&] { menu.compareAndMarkPreset (&processor); },                                       "Lead Bright*" },
        { [&] { processor.setParameter (depth, 0.5f); menu.compareAndMarkPreset (&processor); }, "Lead Bright*" },
        { [&] { menu.nextResult(); },                                                            "Lead Bright" },
        { [&] { menu.setSelectedFilePath ("Init.vpxp"); menu.setPresetHasChanged(); },           "Init*" },
        { [&] { menu.pick (1); menu.setPresetHasChanged(); },                                    "Lead Bright*" },
        { [&] { menu.pick (1); },                                                                "Lead Bright" },
        { [&] { menu.setMarkedAsChange (false); menu.setPresetHasChanged(); menu.setPresetHasChanged(); }, "Lead Bright*" },
        { [&] { menu.setMarkedAsChange (false); menu.setPresetHasChanged(); },                   "Lead Bright**" },
    };

    for (size_t i = 0; i < std::size (steps); ++i)
    {
        steps[i].first();
        EXPECT_EQ (menu.getText(), steps[i].second) << "step " << i;
    }

    // A new pick is heard before the label changes; the marked preset picked
    // again is heard once, with its plain name.
    EXPECT_EQ (menu.heard.joinIntoString (";"), "Lead Bright.vpxp|Init*;Lead Bright.vpxp|Lead Bright");
}

TEST (VardunPresetMenu, ReadsAndWritesOnlyInsideTheTree)
{
    Tree tree { "kept.vpxp", "plain", "Folder/", "bad.vpxp", "x/y.vpxp", "Away@../drive not plugged in" };
    LumiverPX2741AudioProcessor processor;
    Menu menu (tree.root);
    processor.setParameter (depth, 0.25f);

    ASSERT_TRUE (menu.writePreset (&processor, "New/Sub/x.vpxp"));
    EXPECT_EQ (menu.getText() + " " + menu.getSelectedFilePath(), "x New/Sub/x.vpxp");
    ASSERT_TRUE (menu.writePreset (&processor, tree.root.getFullPathName() + "/y.vpxp"));
    EXPECT_EQ (menu.getSelectedFilePath(), "y.vpxp");
    const auto written = tree.root.getChildFile ("New/Sub/x.vpxp").loadFileAsString();
    EXPECT_TRUE (written.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") && ! written.contains ("DOCTYPE"));

    // A good preset just outside the tree, never to be read, and one whose name holds a '\\' beside an unreadable x/y.vpxp.
    tree.add ("../LumiverPX2741 old/x.vpxp").replaceWithText (written);
    tree.add ("x\\y.vpxp").replaceWithText (written);
    const auto sibling = tree.root.getFullPathName() + " old/x.vpxp";
    const auto elsewhere = juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile ("w.vpxp");

    const std::pair<juce::String, int> reads[] = {
        { "New/Sub/x.vpxp", presetLoaded }, { "New\\Sub\\x.vpxp", presetLoaded }, { "y.vpxp", presetLoaded },
        { tree.root.getFullPathName() + "/New/Sub/x.vpxp", presetLoaded }, { "missing.vpxp", presetNotRead },
        { "bad.vpxp", presetNotRead }, { "New/../../LumiverPX2741 old/x.vpxp", presetNotRead }, { sibling, presetNotRead },
        { "x\\y.vpxp", presetLoaded }, { tree.root.getFullPathName() + "/x\\y.vpxp", presetLoaded }, { "x/y.vpxp", presetNotRead },
    };

    for (const auto& [path, expected] : reads)
    {
        processor.setParameter (depth, 0.9f);
        EXPECT_EQ (expected, menu.readPreset (&processor, path)) << path;
        EXPECT_FLOAT_EQ (expected == presetLoaded ? 0.25f : 0.9f, processor.getParameter (depth)) << path;
    }

    EXPECT_EQ (presetNotRead, menu.readPreset (nullptr, "y.vpxp"));
    menu.setSelectedFilePath ("x\\y.vpxp");   // as a pick of it stores it
    EXPECT_EQ (menu.getText() + " " + menu.getSelectedFilePath(), "x\\y x\\y.vpxp");

    // Refused or failed writes report it and leave the selection and every file as they were.
    menu.setSelectedFilePath ("kept.vpxp");
    const juce::String targets[] = {
        "../LumiverPX2741 old/x.vpxp", sibling, elsewhere.getFullPathName(), "Folder",
        "plain/w.vpxp", // its folder is a plain file: even root cannot write there
        juce::String::repeatedString ("w", 300) + ".vpxp", // a name the file system refuses
        "Made/New/" + juce::String::repeatedString ("w", 300) + ".vpxp", // ... in folders made for it
        "Away/w.vpxp", "Away/Sub/w.vpxp", // through a link to storage that is away
    };

    for (const auto& target : targets)
        EXPECT_FALSE (menu.writePreset (&processor, target)) << target;

    EXPECT_FALSE (menu.writePreset (nullptr, "n.vpxp"));
    EXPECT_EQ (menu.getText() + " " + menu.getSelectedFilePath(), "kept kept.vpxp");
    EXPECT_EQ (juce::File (sibling).loadFileAsString(), written);
    EXPECT_FALSE (elsewhere.exists() || tree.root.getChildFile ("n.vpxp").exists() || tree.root.getChildFile ("Made").exists());
    EXPECT_TRUE (tree.root.getChildFile ("Folder").isDirectory());
    EXPECT_TRUE (tree.root.getChildFile ("Away").isSymbolicLink());
}
