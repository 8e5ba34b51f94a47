#pragma once

#include "X11WindowReader.h"

/** The main mouse button pressed, moved and released over a window, sent as the X server
    sends a real mouse's events, to the innermost window at the position, on the reader's
    connection: a plug-in's window reads them as it reads any input, whatever covers it on
    the display.
*/
class X11Mouse
{
public:
    using WindowId = X11WindowReader::WindowId;

    explicit X11Mouse (const X11WindowReader& connection) noexcept  : display (connection.getDisplay()) {}

    /** Positions are in the window's own pixels. */
    void press (WindowId window, juce::Point<int> position);
    void dragTo (WindowId window, juce::Point<int> position);
    void release (WindowId window, juce::Point<int> position);

private:
    void send (WindowId window, int type, juce::Point<int> position);

    _XDisplay* display;

    JUCE_DECLARE_NON_COPYABLE (X11Mouse)
};
