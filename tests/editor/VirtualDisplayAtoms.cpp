// A desktop's window manager defines these atoms; a bare virtual display has
// none, and the framework's windows take them for granted. Interned before
// main(), before the framework reads them, on a connection kept open for the
// run (the server forgets its atoms when its last client leaves).

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <thread>

namespace
{
    struct VirtualDisplayAtoms
    {
        VirtualDisplayAtoms()
        {
            if (std::getenv ("DISPLAY") == nullptr)
                return;

            // A display busy with other test processes may refuse a connection for a moment.
            for (int attempt = 0; attempt < 50 && (display = XOpenDisplay (nullptr)) == nullptr; ++attempt)
                std::this_thread::sleep_for (std::chrono::milliseconds (100));

            if (display != nullptr)
                for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                                    "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
                    XInternAtom (display, name, False);
        }

        ~VirtualDisplayAtoms()  { if (display != nullptr) XCloseDisplay (display); }

        Display* display = nullptr;
    };

    const VirtualDisplayAtoms atoms;
}
