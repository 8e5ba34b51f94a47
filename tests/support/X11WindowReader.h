#pragma once

#include <juce_graphics/juce_graphics.h>

#include <initializer_list>

// Xlib's display record; its header stays out of the tests' own, as its macros clash with theirs.
struct _XDisplay;

/** Reads what windows show on the X server, on a connection of the test's own,
    as a user would see them: the pixels come from the server, not from the
    framework's drawing.

    Tests on one virtual display run side by side, so another process's window
    may lie over ours. A window handed to keepContentsOf() is drawn off screen
    into a buffer of its own (with everything inside it), which the grabs read
    whatever covers it on the screen; it starts black, so that a picture with
    more than one colour is drawn by the window's own client.
*/
class X11WindowReader
{
public:
    using WindowId = unsigned long;

    /** Connects to $DISPLAY, waiting a little for a virtual display busy with
        other tests. */
    X11WindowReader();
    ~X11WindowReader();

    bool isConnected() const noexcept     { return display != nullptr; }

    /** The connection, for a test that plays the host and makes windows of its own. */
    _XDisplay* getDisplay() const noexcept  { return display; }

    /** Makes the window's (and its children's) pixels readable even where
        covered, and starts it black. Call it before the window is mapped.
    */
    void keepContentsOf (WindowId window);

    /** The viewable window of exactly this size at or below top that holds no
        windows itself, i.e. the one a plug-in draws into; 0 when there is none.
    */
    WindowId findDrawingWindow (WindowId top, int width, int height);

    /** True while the window exists on the server. */
    bool exists (WindowId window);

    /** What the window shows, opaque; an invalid image when it is not viewable. */
    juce::Image grab (WindowId window);

private:
    _XDisplay* display = nullptr;
    bool canKeepContents = false;

    JUCE_DECLARE_NON_COPYABLE (X11WindowReader)
};

namespace WindowPixels
{
    /** True when some pixel inside area differs between the two pictures. */
    bool differInside (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area);

    /** True when some pixel outside all of the areas differs between the two pictures. */
    bool differOutside (const juce::Image& a, const juce::Image& b, std::initializer_list<juce::Rectangle<int>> areas);

    /** True for a valid picture with at least two colours, i.e. something painted. */
    bool showsSomething (const juce::Image& picture);

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

    /** How long a window's picture must stay the same to count as settled: two editor poll ticks. */
    constexpr int settleMs = 100;

    /** Calls step() until the window's picture shows something and has not changed
        for settleMs, and returns it; an invalid image after timeoutMs.
    */
    template <typename Step>
    juce::Image settledPicture (X11WindowReader& reader, X11WindowReader::WindowId window, Step step, int timeoutMs)
    {
        auto last = reader.grab (window);
        auto unchangedSince = juce::Time::getMillisecondCounter();

        const bool settled = runUntil (step, [&]
        {
            auto current = reader.grab (window);
            const auto now = juce::Time::getMillisecondCounter();

            if (! showsSomething (current) || current.getBounds() != last.getBounds()
                || differInside (current, last, current.getBounds()))
            {
                last = current;
                unchangedSince = now;
                return false;
            }

            return now - unchangedSince >= (juce::uint32) settleMs;
        }, timeoutMs);

        return settled ? last : juce::Image();
    }
}
