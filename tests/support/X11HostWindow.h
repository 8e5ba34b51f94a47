#pragma once

#include "X11WindowReader.h"

#include <vector>

/** A host's 400 x 500 window on the X display, made as a host makes it, for the tests that
    open the plug-in's editor inside it; closed with the object. It is black and kept off
    screen from the start (see X11WindowReader).
*/
class X11HostWindow
{
public:
    X11HostWindow();
    ~X11HostWindow();

    bool isOpen() const noexcept                            { return reader.isConnected(); }
    void* getNativeHandle() const noexcept                  { return reinterpret_cast<void*> (window); }
    X11WindowReader::WindowId getWindowId() const noexcept  { return window; }

    struct Size { int width, height; };

    /** The sizes of the window's children, once the server has done all that was asked of it. */
    std::vector<Size> getChildWindowSizes() const;

    /** Reads what the window and the windows inside it show. */
    X11WindowReader& getReader() noexcept                   { return reader; }

private:
    X11WindowReader reader;
    unsigned long window = 0;

    JUCE_DECLARE_NON_COPYABLE (X11HostWindow)
};
