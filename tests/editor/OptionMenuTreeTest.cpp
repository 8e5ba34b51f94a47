#include "MessageLoopHelpers.h"
#include "PresetTreeTestHelpers.h"

#include <gtest/gtest.h>

using namespace PresetTreeTest;
using Menu = Answered<VardunOptionMenuTree>;

TEST (VardunOptionMenuTree, ListsTheTreeInPostOrderAsTheFileSystemGivesIt)
{
    Tree tree { "b.vpxp", "a.vpxp", "notes.txt", "F/c.vpxp" };
    Menu menu (tree.root);
    menu.setFileExtension ("*.vpxp");

    // Never sorted: the root's files in the order the file system lists them.
    const auto files = tree.root.findChildFiles (juce::File::findFiles, false, "*.vpxp");
    EXPECT_EQ (menu.shownMenu(), "F[c.vpxp=1] " + files[0].getFileName() + "=2 " + files[1].getFileName() + "=3");
    EXPECT_EQ (menu.getFilePath (3) + juce::String (menu.getNumOfFiles()), "4");
    menu.pick (3);
    EXPECT_EQ (menu.getText(), files[1].getFileNameWithoutExtension());

    const std::tuple<std::vector<const char*>, bool, const char*> cases[] = {
        { { "F/G/d.vpxp", "F/c.vpxp", "z.vpxp" }, true, "F[G[d.vpxp=1] c.vpxp=2] z.vpxp=3" },
        { { "E/" }, true, "E[]" }, { { ".h/.x.vpxp" }, true, ".h[.x.vpxp=1]" }, { { "F/c.vpxp", "z.vpxp" }, false, "z.vpxp=1" },
        { { "F/c.vpxp", "F/up@..", "F/self@." }, true, "F[c.vpxp=1]" }, { { "F/G/d.vpxp", "F/G/top@../.." }, true, "F[G[d.vpxp=1]]" },
    };

    for (const auto& [entries, recursive, expected] : cases)
    {
        Tree other;
        for (auto entry : entries)
            other.add (entry);

        Menu scanned (other.root);
        scanned.setAsRecursive (recursive);
        EXPECT_EQ (scanned.shownMenu(), expected);
    }

    // A folder linked from a sibling is no loop: its file is listed under both names.
    Tree linked { "Pads/x.vpxp", "Fav@Pads" };
    Menu both (linked.root);
    both.shownMenu();
    EXPECT_EQ (both.getNumOfFiles(), 3);
}

TEST (VardunOptionMenuTree, StepsWithWrapping)
{
    // files left, id selected before (0: none, 9: from a larger scan), next?, id after
    const int cases[][4] = { { 3, 3, 1, 1 }, { 3, 2, 1, 3 }, { 3, 0, 1, 1 }, { 3, 9, 1, 1 }, { 3, 1, 0, 3 },
                             { 3, 3, 0, 2 }, { 3, 0, 0, 3 }, { 3, 9, 0, 3 }, { 0, 0, 1, 0 }, { 0, 0, 0, 0 } };

    for (const auto& [files, start, next, expected] : cases)
    {
        Tree tree { "0", "1", "2", "3", "4", "5", "6", "7", "8" };
        Menu menu (tree.root);
        menu.setSelectedFilePath ("");
        menu.setSelectedFileIndex (start);

        for (int i = files; i < 9; ++i)
            tree.root.getChildFile (juce::String (i)).deleteFile();

        menu.setSelectedFilePath ("missing");
        next ? menu.nextResult() : menu.previousResult();
        EXPECT_EQ (expected, menu.getSelectedFileIndex()) << files << start << next;
    }
}

TEST (VardunOptionMenuTree, NotifiesOnlyForPicksAnsweredByItsOwnPopup)
{
    Tree tree { "F/c.vpxp", "z.vpxp" };
    Menu menu (tree.root);

    // Selecting by path or id notifies nobody; a path not in the tree keeps the id.
    menu.setSelectedFilePath ("F\\c.vpxp");
    EXPECT_EQ (menu.getText() + " " + menu.getSelectedFilePath() + " " + menu.shownMenu(), "c F/c.vpxp F[c.vpxp=1+] z.vpxp=2");
    menu.setSelectedFilePath ("gone/x.vpxp");
    menu.setSelectedFileIndex (0);
    menu.setSelectedFileIndex (menu.getNumOfFiles());
    EXPECT_EQ (menu.getText() + " " + juce::String (menu.getSelectedFileIndex()) + " " + menu.shownMenu(), "x 1 F[c.vpxp=1] z.vpxp=2");
    EXPECT_TRUE (menu.heard.isEmpty());

    // id answered, then notifications (path|text shown while notified) and label
    const std::pair<int, const char*> steps[] = { { 1, "F/c.vpxp|x c" }, { 1, " c" }, { 0, " c" }, { 99, " c" }, { 2, "z.vpxp|c z" } };

    for (const auto& [id, expected] : steps)
    {
        menu.heard.clear();
        menu.pick (id);
        EXPECT_EQ (menu.heard.joinIntoString (";") + " " + menu.getText(), expected) << id;
    }

    // A rescan while the popup is open renumbers; the answer means what it meant in the popup.
    menu.click();
    tree.add ("F/G/g.vpxp");
    menu.setSelectedFilePath ("F/G/g.vpxp");
    menu.answer (1);
    EXPECT_EQ (menu.getSelectedFilePath() + " " + juce::String (menu.getSelectedFileIndex()), "F/c.vpxp 2");

    // An answer that arrives after the label is gone does nothing.
    auto gone = std::make_unique<Menu> (tree.root);
    gone->click();
    const auto late = gone->answer;
    gone.reset();
    late (1);

    Menu empty (tree.add ("E/"));
    empty.click();
    EXPECT_EQ (0, empty.popups);
}

TEST (VardunOptionMenuTree, PopsUpWithoutWaitingAndDropsALateAnswer)
{
    Tree tree { "z.vpxp" };
    auto menu = std::make_unique<VardunOptionMenuTree> ("presetMenu_");
    menu->setDirectoryPath (tree.root.getFullPathName());
    auto* modal = juce::ModalComponentManager::getInstance();

    FilmStripTest::Mouse (*menu).press();   // returns with the popup open
    EXPECT_EQ (1, modal->getNumModalComponents());
    menu.reset();   // dismisses the popup, whose answer then finds the label gone
    EXPECT_TRUE (pumpUntil ([modal] { return modal->getNumModalComponents() == 0; }));
    deliverPendingMessages();
}

TEST (VardunOptionMenuTree, RescansATreeAThousandFoldersDeepQuickly)
{
    // The guard against folder links must not cost more the deeper the walk goes.
    const auto deepest = juce::String::repeatedString ("d/", 1000) + "x.vpxp";
    Tree tree { deepest.toRawUTF8() };
    Menu menu (tree.root);

    const auto start = juce::Time::getMillisecondCounterHiRes();
    menu.setSelectedFilePath (deepest);
    const auto elapsedMs = juce::Time::getMillisecondCounterHiRes() - start;

    EXPECT_EQ (menu.getText() + " " + juce::String (menu.getNumOfFiles()), "x 2");
    // About half a second (a guard that grew with the depth took half a minute); the bound
    // is generous for a busy machine under the sanitizers.
    EXPECT_LT (elapsedMs, 20000.0);
}
