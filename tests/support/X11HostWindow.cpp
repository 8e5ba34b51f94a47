#include "X11HostWindow.h"

#include <X11/Xlib.h>

X11HostWindow::X11HostWindow()
{
    if (! reader.isConnected())
        return;

    auto* display = reader.getDisplay();
    window = XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 400, 500, 0, 0,
                                  BlackPixel (display, DefaultScreen (display)));
    reader.keepContentsOf (window);
    XMapWindow (display, window);
    XSync (display, False);
}

X11HostWindow::~X11HostWindow()
{
    if (reader.isConnected())
        XDestroyWindow (reader.getDisplay(), window);
}

std::vector<X11HostWindow::Size> X11HostWindow::getChildWindowSizes() const
{
    auto* display = reader.getDisplay();
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
