#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    What the dialog panels share of their look: the embedded artwork decoded by
    the selector numbers the panels take, the colour of their texts and the row
    of OK and CANCEL near the bottom of the message panels. Each call decodes
    afresh; nothing is cached.
*/
namespace DialogArt
{
    // Selector numbers by name, for the panels and the editor that fix them.
    constexpr int okButtonImage = 1;
    constexpr int cancelButtonImage = 3;
    constexpr int saveButtonImage = 5;
    constexpr int newFolderButtonImage = 8;
    constexpr int asteriskIcon = 1;
    constexpr int frownIcon = 4;
    constexpr int saveAsTitleArt = 1;

    /** How often a shown panel checks which of its buttons may be used. */
    constexpr int usablePollIntervalMs = 200;

    /** Decodes embedded PNG bytes, the editor's own artwork as well; a null
        image if they do not decode. */
    juce::Image decode (const char* data, int numBytes);

    /** Button-image types: 3 and 4 CANCEL, 5 SAVE, 7 IMPORT, 8 NEW FOLDER,
        9 DOWNLOAD, 10 OVERWRITE, any other OK. Two-frame strips of 132 x 51. */
    juce::Image buttonImage (int type);

    /** Icon types: 3 smile, 4 frown, any other the asterisk. Full-panel overlays. */
    juce::Image alertIcon (int type);

    /** The background of the alert and the new-folder panel, 325 x 454. */
    juce::Image messagePanelBackground();

    /** The background of the file browser panels, 325 x 454. */
    juce::Image browserPanelBackground();

    /** Title art types: 1 SAVE AS, 2 LOAD, 3 IMPORT; any other a null image. */
    juce::Image browserTitle (int type);

    const juce::Colour textColour (211, 211, 211);

    /** A button that may not be used is drawn at half opacity and disabled. */
    void setUsable (juce::Component& button, bool usable);

    // OK and CANCEL side by side, and OK alone in the middle.
    const juce::Rectangle<int> okBesideCancel  { 16, 307, 132, 51 };
    const juce::Rectangle<int> cancelBesideOk  { 179, 307, 132, 51 };
    const juce::Rectangle<int> okAlone         { 97, 307, 132, 51 };
}
