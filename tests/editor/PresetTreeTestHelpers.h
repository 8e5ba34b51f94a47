#pragma once

#include "FilmStripTestHelpers.h"

#include <ProductInfo.h>
#include <VardunOptionMenuTree.h>

namespace PresetTreeTest
{
    /** presetRootFolder() under the tests' own home, holding only the given
        entries: "a/b.vpxp" a file, "a/" a folder, "a/up@.." a link to "..". */
    struct Tree
    {
        Tree (std::initializer_list<const char*> entries = {})
        {
            root.getParentDirectory().deleteRecursively();
            for (juce::String entry : entries)
                add (entry);
        }

        ~Tree()  { root.getParentDirectory().deleteRecursively(); }

        juce::File add (const juce::String& entry) const
        {
            const auto file = root.getChildFile (entry.upToFirstOccurrenceOf ("@", false, false));
            file.getParentDirectory().createDirectory();
            const auto made = entry.containsChar ('@') ? juce::File::createSymbolicLink (file, entry.fromFirstOccurrenceOf ("@", false, false), true)
                                                       : (entry.endsWithChar ('/') ? file.createDirectory() : file.create()).wasOk();
            return made ? file : juce::File();
        }

        const juce::File root = presetRootFolder();
    };

    /** A menu as text: "F[c.vpxp=1 d.vpxp=2+]", + marking a tick. */
    inline juce::String describe (const juce::PopupMenu& menu)
    {
        juce::StringArray parts;

        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        {
            const auto& item = it.getItem();
            parts.add (item.subMenu != nullptr ? item.text + "[" + describe (*item.subMenu) + "]"
                                               : item.text + "=" + juce::String (item.itemID) + (item.isTicked ? "+" : ""));
        }

        return parts.joinIntoString (" ");
    }

    /** A menu over root whose popup the test answers through the callback a
        window would call; it logs each notification as "selected path|text shown". */
    template <typename Menu>
    struct Answered : Menu, juce::Label::Listener
    {
        explicit Answered (const juce::File& root) : Menu ("presetMenu_")
        {
            this->setDirectoryPath (root.getFullPathName());
            this->addListener (this);
        }

        void click()              { FilmStripTest::Mouse (*this).press(); }
        void pick (int id)        { click(); answer (id); }
        juce::String shownMenu()  { click(); return describe (shown); }

        void showPopup (juce::PopupMenu& menu, std::function<void (int)> callback) override
        {
            shown = menu;
            answer = std::move (callback);
            ++popups;
        }

        void labelTextChanged (juce::Label*) override  { heard.add (this->getSelectedFilePath() + "|" + this->getText()); }

        juce::PopupMenu shown;
        std::function<void (int)> answer;
        int popups = 0;
        juce::StringArray heard;
    };
}
