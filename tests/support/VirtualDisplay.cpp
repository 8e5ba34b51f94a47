#include "VirtualDisplay.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <thread>

namespace
{
    constexpr int connectAttempts = 50;
    constexpr auto connectRetry = std::chrono::milliseconds (100);

    int ignoreError (Display*, XErrorEvent*)  { return 0; }
}

void prepareVirtualDisplay()
{
    if (std::getenv ("DISPLAY") == nullptr)
        return;

    XSetErrorHandler (ignoreError);

    // A display busy with other test processes may refuse a connection for a moment.
    static Display* display = nullptr;

    for (int attempt = 0; attempt < connectAttempts && (display = XOpenDisplay (nullptr)) == nullptr; ++attempt)
        std::this_thread::sleep_for (connectRetry);

    if (display != nullptr)
        for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                            "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
            XInternAtom (display, name, False);
}
