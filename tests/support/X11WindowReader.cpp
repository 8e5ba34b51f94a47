#include "X11WindowReader.h"
#include "VirtualDisplay.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

#include <algorithm>

// Errors of requests about windows that close in between are ignored by the handler the
// tests' main() installs.

namespace
{
    /** One 8-bit colour channel of a pixel, found by its mask in the window's visual. */
    juce::uint8 channel (unsigned long pixel, unsigned long mask)
    {
        for (; mask != 0 && (mask & 1) == 0; mask >>= 1)
            pixel >>= 1;

        return (juce::uint8) (pixel & mask);
    }

    bool differWhere (const juce::Image& a, const juce::Image& b, const std::function<bool (int, int)>& counts)
    {
        if (! a.isValid() || ! b.isValid() || a.getBounds() != b.getBounds())
            return true;

        const juce::Image::BitmapData first (a, juce::Image::BitmapData::readOnly);
        const juce::Image::BitmapData second (b, juce::Image::BitmapData::readOnly);

        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (counts (x, y) && first.getPixelColour (x, y) != second.getPixelColour (x, y))
                    return true;

        return false;
    }

    /** What clearForItsClient paints a window: no colour of the plug-in's art. */
    const juce::Colour unpaintedColour (255, 0, 255);

    /** True for a valid picture of at least two colours, i.e. something painted, with
        nothing left of a clearing that its client has still to paint over. */
    bool showsSomething (const juce::Image& picture)
    {
        if (! picture.isValid())
            return false;

        juce::Image plain (picture.getFormat(), picture.getWidth(), picture.getHeight(), false);
        plain.clear (plain.getBounds(), picture.getPixelAt (0, 0));

        const juce::Image::BitmapData data (picture, juce::Image::BitmapData::readOnly);

        for (int y = 0; y < picture.getHeight(); ++y)
            for (int x = 0; x < picture.getWidth(); ++x)
                if (data.getPixelColour (x, y) == unpaintedColour)
                    return false;

        return differWhere (picture, plain, [] (int, int) { return true; });
    }
}

X11WindowReader::X11WindowReader() : display (connectToDisplay())
{
    int eventBase = 0, errorBase = 0;
    canKeepContents = display != nullptr && XCompositeQueryExtension (display, &eventBase, &errorBase) != 0;
}

X11WindowReader::~X11WindowReader()
{
    if (display != nullptr)
        XCloseDisplay (display);
}

void X11WindowReader::keepContentsOf (WindowId window)
{
    // The off-screen buffer starts as a copy of the screen below, perhaps another test's
    // window, hence the black background. Without the extension the grabs read the screen.
    XSetWindowBackground (display, window, BlackPixel (display, DefaultScreen (display)));

    if (canKeepContents)
        XCompositeRedirectWindow (display, window, CompositeRedirectAutomatic);

    XSync (display, False);
}

std::vector<X11WindowReader::WindowId> X11WindowReader::childrenOf (WindowId window) const
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<WindowId> result;

    if (XQueryTree (display, window, &root, &parent, &children, &count) != 0 && children != nullptr)
    {
        result.assign (children, children + count);
        XFree (children);
    }

    return result;
}

X11WindowReader::WindowId X11WindowReader::findDrawingWindow (WindowId top, int width, int height) const
{
    const auto children = childrenOf (top);

    for (auto child : children)
        if (auto found = findDrawingWindow (child, width, height))
            return found;

    XWindowAttributes attributes {};
    const bool isIt = children.empty() && XGetWindowAttributes (display, top, &attributes) != 0
                       && attributes.map_state == IsViewable && attributes.width == width && attributes.height == height;
    return isIt ? top : 0;
}

bool X11WindowReader::exists (WindowId window) const
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes (display, window, &attributes) != 0;
}

void X11WindowReader::clearForItsClient (WindowId window) const
{
    XColor colour {};
    colour.red = (unsigned short) (unpaintedColour.getRed() * 257);
    colour.green = (unsigned short) (unpaintedColour.getGreen() * 257);
    colour.blue = (unsigned short) (unpaintedColour.getBlue() * 257);
    XAllocColor (display, DefaultColormap (display, DefaultScreen (display)), &colour);

    XSetWindowBackground (display, window, colour.pixel);
    XClearArea (display, window, 0, 0, 0, 0, True);
    XSync (display, False);
}

void X11WindowReader::dragMouse (WindowId window, const std::vector<juce::Point<int>>& path) const
{
    for (size_t k = 0; k < path.size(); ++k)
    {
        // The innermost window under the pointer, in its own pixels: a plug-in's window may lie
        // inside the one given.
        auto target = window;
        auto position = path[k];

        for (Window child = 0; XTranslateCoordinates (display, target, target, position.x, position.y, &position.x, &position.y, &child)
                                   && child != 0;)
        {
            XTranslateCoordinates (display, target, child, position.x, position.y, &position.x, &position.y, &child);
            target = child;
        }

        // The button is down in the state of every event but the press.
        const int type = k == 0 ? ButtonPress : (k + 1 == path.size() ? ButtonRelease : MotionNotify);
        XEvent event {};
        auto& fields = event.xbutton;   // a motion event's leading fields lie as a button event's
        fields.type = type;
        fields.display = display;
        fields.window = target;
        fields.root = DefaultRootWindow (display);
        fields.time = juce::Time::getMillisecondCounter();
        fields.x = position.x;
        fields.y = position.y;
        fields.same_screen = True;
        fields.state = type == ButtonPress ? 0 : Button1Mask;

        if (type != MotionNotify)
            fields.button = Button1;

        const long mask = type == ButtonPress ? ButtonPressMask : (type == ButtonRelease ? ButtonReleaseMask : PointerMotionMask);
        XSendEvent (display, target, False, mask, &event);
    }

    XFlush (display);
}

juce::Image X11WindowReader::grab (WindowId window) const
{
    XWindowAttributes attributes {};

    if (XGetWindowAttributes (display, window, &attributes) == 0 || attributes.map_state != IsViewable)
        return {};

    auto* image = XGetImage (display, window, 0, 0, (unsigned int) attributes.width, (unsigned int) attributes.height, AllPlanes, ZPixmap);

    if (image == nullptr)
        return {};

    juce::Image picture (juce::Image::RGB, attributes.width, attributes.height, false);
    const auto* visual = attributes.visual;

    {
        juce::Image::BitmapData data (picture, juce::Image::BitmapData::writeOnly);

        for (int y = 0; y < attributes.height; ++y)
        {
            for (int x = 0; x < attributes.width; ++x)
            {
                const auto pixel = XGetPixel (image, x, y);
                data.setPixelColour (x, y, juce::Colour (channel (pixel, visual->red_mask), channel (pixel, visual->green_mask),
                                                         channel (pixel, visual->blue_mask)));
            }
        }
    }

    XDestroyImage (image);
    return picture;
}

//==============================================================================
bool WindowPixels::differInside (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
{
    return differWhere (a, b, [area] (int x, int y) { return area.contains (x, y); });
}

bool WindowPixels::differOutside (const juce::Image& a, const juce::Image& b, std::initializer_list<juce::Rectangle<int>> areas)
{
    return differWhere (a, b, [areas] (int x, int y)
    {
        return std::none_of (areas.begin(), areas.end(), [x, y] (const auto& area) { return area.contains (x, y); });
    });
}

bool WindowPixels::writePng (const juce::Image& picture, const juce::File& file)
{
    if (! picture.isValid() || ! file.getParentDirectory().createDirectory() || (file.exists() && ! file.deleteFile()))
        return false;

    juce::FileOutputStream stream (file);
    return stream.openedOk() && juce::PNGImageFormat().writeImageToStream (picture, stream);
}

juce::Image WindowPixels::settledPicture (const X11WindowReader& reader, X11WindowReader::WindowId window,
                                          const std::function<void()>& step, int timeoutMs)
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
