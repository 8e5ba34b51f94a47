#include "X11WindowReader.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace
{
    constexpr int connectAttempts = 50;
    constexpr int connectRetryMs = 100;

    /** While it lives, errors of X requests are ignored instead of ending the
        process: windows of other clients, the plug-in's included, may be
        destroyed between two requests about them. */
    class IgnoredErrors
    {
    public:
        explicit IgnoredErrors (Display* displayToUse)
            : display (displayToUse), previous (XSetErrorHandler (ignore)) {}

        ~IgnoredErrors()
        {
            XSync (display, False);
            XSetErrorHandler (previous);
        }

    private:
        static int ignore (Display*, XErrorEvent*)  { return 0; }

        Display* display;
        XErrorHandler previous;
    };

    /** The children of a window, bottom first; empty when the window is gone. */
    std::vector<Window> childrenOf (Display* display, Window window)
    {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        std::vector<Window> result;

        if (XQueryTree (display, window, &root, &parent, &children, &count) != 0 && children != nullptr)
        {
            result.assign (children, children + count);
            XFree (children);
        }

        return result;
    }

    bool isViewableOfSize (Display* display, Window window, int width, int height)
    {
        XWindowAttributes attributes {};

        return XGetWindowAttributes (display, window, &attributes) != 0
            && attributes.map_state == IsViewable && attributes.width == width && attributes.height == height;
    }

    /** The first viewable window of this size without children, at or below top; 0 for none. */
    Window findViewableLeaf (Display* display, Window top, int width, int height)
    {
        const auto children = childrenOf (display, top);

        for (auto child : children)
            if (auto leaf = findViewableLeaf (display, child, width, height))
                return leaf;

        return children.empty() && isViewableOfSize (display, top, width, height) ? top : 0;
    }

    /** One 8-bit colour channel of a pixel, found by its mask in the window's visual. */
    juce::uint8 channel (unsigned long pixel, unsigned long mask)
    {
        while (mask != 0 && (mask & 1) == 0)
        {
            mask >>= 1;
            pixel >>= 1;
        }

        return (juce::uint8) (pixel & mask);
    }
}

X11WindowReader::X11WindowReader()
{
    if (std::getenv ("DISPLAY") == nullptr)
        return;

    // A virtual display busy with other test processes may refuse a connection for a moment.
    for (int attempt = 0; attempt < connectAttempts && display == nullptr; ++attempt)
        if ((display = XOpenDisplay (nullptr)) == nullptr)
            juce::Thread::sleep (connectRetryMs);

    if (display == nullptr)
        return;

    int eventBase = 0, errorBase = 0;
    canKeepContents = XCompositeQueryExtension (display, &eventBase, &errorBase) != 0;
}

X11WindowReader::~X11WindowReader()
{
    if (display != nullptr)
        XCloseDisplay (display);
}

void X11WindowReader::keepContentsOf (WindowId window)
{
    // The off-screen buffer starts as a copy of the screen below the window,
    // perhaps another test's window. A black background, painted when the
    // window is mapped, makes anything else the window shows its own.
    XSetWindowBackground (display, (Window) window, BlackPixel (display, DefaultScreen (display)));

    // Without the extension the grabs read the screen, which is right as long
    // as nothing covers the window.
    if (canKeepContents)
        XCompositeRedirectWindow (display, (Window) window, CompositeRedirectAutomatic);

    XSync (display, False);
}

X11WindowReader::WindowId X11WindowReader::findDrawingWindow (WindowId top, int width, int height)
{
    const IgnoredErrors ignoredErrors (display);
    return findViewableLeaf (display, (Window) top, width, height);
}

bool X11WindowReader::exists (WindowId window)
{
    const IgnoredErrors ignoredErrors (display);
    XWindowAttributes attributes {};
    return XGetWindowAttributes (display, (Window) window, &attributes) != 0;
}

juce::Image X11WindowReader::grab (WindowId window)
{
    const IgnoredErrors ignoredErrors (display);
    XWindowAttributes attributes {};

    if (XGetWindowAttributes (display, (Window) window, &attributes) == 0 || attributes.map_state != IsViewable)
        return {};

    auto* image = XGetImage (display, (Window) window, 0, 0, (unsigned int) attributes.width,
                             (unsigned int) attributes.height, AllPlanes, ZPixmap);

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
namespace WindowPixels
{
    bool differInside (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
    {
        if (! a.isValid() || ! b.isValid() || a.getBounds() != b.getBounds())
            return true;

        const juce::Image::BitmapData first (a, juce::Image::BitmapData::readOnly);
        const juce::Image::BitmapData second (b, juce::Image::BitmapData::readOnly);
        area = area.getIntersection (a.getBounds());

        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                if (first.getPixelColour (x, y) != second.getPixelColour (x, y))
                    return true;

        return false;
    }

    bool differOutside (const juce::Image& a, const juce::Image& b, std::initializer_list<juce::Rectangle<int>> areas)
    {
        if (! a.isValid() || ! b.isValid() || a.getBounds() != b.getBounds())
            return true;

        const juce::Image::BitmapData first (a, juce::Image::BitmapData::readOnly);
        const juce::Image::BitmapData second (b, juce::Image::BitmapData::readOnly);

        for (int y = 0; y < a.getHeight(); ++y)
        {
            for (int x = 0; x < a.getWidth(); ++x)
            {
                const bool excluded = std::any_of (areas.begin(), areas.end(),
                                                   [x, y] (const auto& area) { return area.contains (x, y); });

                if (! excluded && first.getPixelColour (x, y) != second.getPixelColour (x, y))
                    return true;
            }
        }

        return false;
    }

    bool showsSomething (const juce::Image& picture)
    {
        if (! picture.isValid())
            return false;

        const juce::Image::BitmapData data (picture, juce::Image::BitmapData::readOnly);
        const auto first = data.getPixelColour (0, 0);

        for (int y = 0; y < picture.getHeight(); ++y)
            for (int x = 0; x < picture.getWidth(); ++x)
                if (data.getPixelColour (x, y) != first)
                    return true;

        return false;
    }

    bool writePng (const juce::Image& picture, const juce::File& file)
    {
        if (! picture.isValid() || ! file.getParentDirectory().createDirectory())
            return false;

        file.deleteFile();
        juce::FileOutputStream stream (file);
        juce::PNGImageFormat png;
        return stream.openedOk() && png.writeImageToStream (picture, stream);
    }
}
