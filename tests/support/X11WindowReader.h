#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <initializer_list>
#include <vector>

struct _XDisplay;

/** Reads what windows show on the X server, on a connection of the test's own: the pixels
    come from the server, not from the framework's drawing.

    Tests run side by side on one display, so another process's window may cover ours. A
    window given to keepContentsOf() is drawn off screen into a buffer of its own, which
    the grabs read whatever covers it; it starts black, so that a picture with more than
    one colour was drawn by its client.
*/
class X11WindowReader
{
public:
    using WindowId = unsigned long;

    X11WindowReader();
    ~X11WindowReader();

    bool isConnected() const noexcept       { return display != nullptr; }
    _XDisplay* getDisplay() const noexcept  { return display; }

    /** Call before the window is mapped. */
    void keepContentsOf (WindowId window);

    /** The windows inside this one, bottom first; empty when it is gone. */
    std::vector<WindowId> childrenOf (WindowId window) const;

    /** The viewable window of this size at or below top that holds no windows itself, i.e.
        the one a plug-in draws into; 0 when there is none. */
    WindowId findDrawingWindow (WindowId top, int width, int height) const;

    bool exists (WindowId window) const;

    /** Paints the window in a colour of its own and has its client paint all of it again,
        as after an exposure: a window that joins a kept one starts as a copy of what lay
        below it, perhaps another test's window, and shows that until its client paints.
        settledPicture waits until none of that colour is left. */
    void clearForItsClient (WindowId window) const;

    /** Presses the main mouse button at the first of the positions (the window's own pixels),
        moves it through the others and releases it at the last, sent as the server sends a
        real mouse's events to the innermost window there, whatever covers it on the display. */
    void dragMouse (WindowId window, const std::vector<juce::Point<int>>& path) const;

    /** What the window shows; an invalid image when it is not viewable. */
    juce::Image grab (WindowId window) const;

private:
    _XDisplay* display = nullptr;
    bool canKeepContents = false;

    JUCE_DECLARE_NON_COPYABLE (X11WindowReader)
};

namespace WindowPixels
{
    bool differInside (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area);
    bool differOutside (const juce::Image& a, const juce::Image& b, std::initializer_list<juce::Rectangle<int>> areas);

    /** Writes the picture as a PNG file, creating the folder; false when that fails. */
    bool writePng (const juce::Image& picture, const juce::File& file);

    /** Calls step() until condition() holds or timeoutMs has passed, and says whether it holds. */
    template <typename Step, typename Condition>
    bool runUntil (Step step, Condition condition, int timeoutMs)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

        while (! condition() && juce::Time::getMillisecondCounter() < end)
            step();

        return condition();
    }

    /** Calls step() until the window shows something that has not changed for two editor
        poll ticks, and returns it; an invalid image after timeoutMs. */
    juce::Image settledPicture (const X11WindowReader& reader, X11WindowReader::WindowId window,
                                const std::function<void()>& step, int timeoutMs);
}
