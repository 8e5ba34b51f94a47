#include "X11HostWindow.h"

#include <X11/Xlib.h>

#include <chrono>
#include <initializer_list>
#include <thread>

X11HostWindow::X11HostWindow()
{
    // A virtual display busy with other test processes may refuse a connection for a moment.
    for (int attempt = 0; attempt < 50 && (display = XOpenDisplay (nullptr)) == nullptr; ++attempt)
        std::this_thread::sleep_for (std::chrono::milliseconds (100));

    if (display == nullptr)
        return;

    // A desktop's window manager defines these; the bare virtual display has
    // none, and the framework's windows take them for granted.
    for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                        "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
        XInternAtom (display, name, False);

    window = XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 400, 500, 0, 0, 0);
    XMapWindow (display, window);
    XSync (display, False);
}

X11HostWindow::~X11HostWindow()
{
    if (display == nullptr)
        return;

    XDestroyWindow (display, window);
    XCloseDisplay (display);
}

std::vector<X11HostWindow::Size> X11HostWindow::getChildWindowSizes() const
{
    XSync (display, False);
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned int numChildren = 0;
    XQueryTree (display, window, &root, &parent, &children, &numChildren);
    std::vector<Size> sizes;

    for (unsigned int i = 0; i < numChildren; ++i)
    {
        XWindowAttributes attributes;
        XGetWindowAttributes (display, children[i], &attributes);
        sizes.push_back ({ attributes.width, attributes.height });
    }

    if (children != nullptr)
        XFree (children);

    return sizes;
}
