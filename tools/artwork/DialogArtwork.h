#pragma once

#include <juce_graphics/juce_graphics.h>

/** The dialog panels' artwork: backgrounds, icon and title overlays, buttons. */
namespace DialogArtwork
{
    enum class Icon { asterisk, smile, frown };

    /** The alert and new-folder panel: a dimmed veil with a card for the message. */
    juce::Image dialogBox();

    /** The file browser panel, with a sunken frame around the list. */
    juce::Image fileBrowser();

    /** A full-panel overlay holding only an icon, placed above the message. */
    juce::Image icon (Icon type);

    /** A full-panel overlay holding only the browser's title. */
    juce::Image browserTitle (const juce::String& title);

    /** A lettered dialog button: released, pressed. */
    juce::Image button (const juce::String& label);
}
