#pragma once

#include <vector>

struct _XDisplay;

/** A host's window on the X display, made as a host makes it, for the tests
    that open the plug-in's editor inside it. Closed with the object.

    The header leaves out the X headers, whose macros collide with the
    framework's names.
*/
class X11HostWindow
{
public:
    /** Connects to the display, defines the atoms a desktop's window manager
        would, and shows a 400 x 500 window; isOpen() says whether it could.
    */
    X11HostWindow();
    ~X11HostWindow();

    bool isOpen() const noexcept                { return display != nullptr; }

    /** The window as a plug-in interface hands it over. */
    void* getNativeHandle() const noexcept      { return reinterpret_cast<void*> (window); }

    struct Size { int width, height; };

    /** The sizes of the window's children, once the server has done all that was asked of it. */
    std::vector<Size> getChildWindowSizes() const;

private:
    _XDisplay* display = nullptr;
    unsigned long window = 0;

    X11HostWindow (const X11HostWindow&) = delete;
    X11HostWindow& operator= (const X11HostWindow&) = delete;
};
