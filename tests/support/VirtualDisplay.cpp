#include "VirtualDisplay.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <thread>

_XDisplay* connectToDisplay()
{
    for (int attempt = 0; attempt < 50 && std::getenv ("DISPLAY") != nullptr; ++attempt)
    {
        if (auto* display = XOpenDisplay (nullptr))
            return display;

        std::this_thread::sleep_for (std::chrono::milliseconds (100));
    }

    return nullptr;
}

void prepareVirtualDisplay()
{
    if (std::getenv ("DISPLAY") == nullptr)
        return;

    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });

    static auto* const display = connectToDisplay();   // kept open for the run

    if (display != nullptr)
        for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                            "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
            XInternAtom (display, name, False);
}
