#pragma once

#include "X11WindowReader.h"

#include <vector>

/** A host's window on the X display, made as a host makes it, for the tests
    that open the plug-in's editor inside it. Closed with the object.

    The window is black and kept off screen from the start, so that what the
    plug-in draws into it can be read back whatever covers it (see
    X11WindowReader). The header leaves out the X headers, whose macros
    collide with the framework's names.
*/
class X11HostWindow
{
public:
    /** Connects to the display and shows a 400 x 500 window; isOpen() says whether it could. */
    X11HostWindow();
    ~X11HostWindow();

    bool isOpen() const noexcept                { return reader.isConnected(); }

    /** The window as a plug-in interface hands it over. */
    void* getNativeHandle() const noexcept      { return reinterpret_cast<void*> (window); }

    /** The window as the reader knows it. */
    X11WindowReader::WindowId getWindowId() const noexcept  { return window; }

    struct Size { int width, height; };

    /** The sizes of the window's children, once the server has done all that was asked of it. */
    std::vector<Size> getChildWindowSizes() const;

    /** Reads what the window and the windows inside it show, on the window's own connection. */
    X11WindowReader& getReader() noexcept       { return reader; }

private:
    X11WindowReader reader;
    unsigned long window = 0;

    X11HostWindow (const X11HostWindow&) = delete;
    X11HostWindow& operator= (const X11HostWindow&) = delete;
};
