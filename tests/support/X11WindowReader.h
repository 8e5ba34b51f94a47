#pragma once

#include <juce_graphics/juce_graphics.h>

#include <initializer_list>
#include <vector>

struct _XDisplay;

/** Reads what windows show on the X server, on a connection of the test's own, as a user
    would see them: the pixels come from the server, not from the framework's drawing.

    Tests on one virtual display run side by side, so another process's window may lie
    over ours. A window handed to keepContentsOf() is drawn off screen into a buffer of its
    own (with everything inside it), which the grabs read whatever covers it on the screen;
    it starts black, so that a picture with more than one colour is drawn by its client.
*/
class X11WindowReader
{
public:
    using WindowId = unsigned long;

    X11WindowReader();
    ~X11WindowReader();

    bool isConnected() const noexcept       { return display != nullptr; }
    _XDisplay* getDisplay() const noexcept  { return display; }

    /** Makes the window's pixels readable even where covered, and starts it black. Call it
        before the window is mapped. */
    void keepContentsOf (WindowId window);

    /** The windows inside this one, bottom first; empty when it is gone. */
    std::vector<WindowId> childrenOf (WindowId window) const;

    /** The viewable window of exactly this size at or below top that holds no windows
        itself, i.e. the one a plug-in draws into; 0 when there is none. */
    WindowId findDrawingWindow (WindowId top, int width, int height) const;

    bool exists (WindowId window) const;

    /** What the window shows, opaque; an invalid image when it is not viewable. */
    juce::Image grab (WindowId window) const;

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

    /** Calls step() until the window's picture shows something and has not changed for two
        editor poll ticks, and returns it; an invalid image after timeoutMs. */
    template <typename Step>
    juce::Image settledPicture (const X11WindowReader& reader, X11WindowReader::WindowId window, Step step, int timeoutMs)
    {
        constexpr juce::uint32 settleMs = 100;
        auto last = reader.grab (window);
        auto unchangedSince = juce::Time::getMillisecondCounter();

        const bool settled = runUntil (step, [&]
        {
            auto current = reader.grab (window);
            const auto now = juce::Time::getMillisecondCounter();

            if (showsSomething (current) && ! differInside (current, last, current.getBounds()))
                return now - unchangedSince >= settleMs;

            last = current;
            unchangedSince = now;
            return false;
        }, timeoutMs);

        return settled ? last : juce::Image();
    }
}
