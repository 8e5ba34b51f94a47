#include "X11HostWindow.h"

#include <X11/Xlib.h>

X11HostWindow::X11HostWindow()
{
    if (! reader.isConnected())
        return;

    auto* display = reader.getDisplay();
    window = XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 400, 500, 0, 0, BlackPixel (display, DefaultScreen (display)));
    reader.keepContentsOf (window);
    XMapWindow (display, window);
    XSync (display, False);
}

X11HostWindow::~X11HostWindow()
{
    if (reader.isConnected())
        XDestroyWindow (reader.getDisplay(), window);
}
