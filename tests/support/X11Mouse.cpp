#include "X11Mouse.h"

#include <X11/Xlib.h>

void X11Mouse::press (WindowId window, juce::Point<int> position)    { send (window, ButtonPress, position); }
void X11Mouse::dragTo (WindowId window, juce::Point<int> position)   { send (window, MotionNotify, position); }
void X11Mouse::release (WindowId window, juce::Point<int> position)  { send (window, ButtonRelease, position); }

void X11Mouse::send (WindowId window, int type, juce::Point<int> position)
{
    // Like the server, to the innermost window under the pointer: a plug-in's window may lie
    // inside the one given.
    for (;;)
    {
        Window child = 0;
        int x = 0, y = 0;

        if (! XTranslateCoordinates (display, window, window, position.x, position.y, &x, &y, &child) || child == 0)
            break;

        XTranslateCoordinates (display, window, child, position.x, position.y, &x, &y, &child);
        window = child;
        position = { x, y };
    }

    XEvent event {};

    const auto fill = [&] (auto& fields)
    {
        fields.type = type;
        fields.display = display;
        fields.window = window;
        fields.root = DefaultRootWindow (display);
        fields.time = juce::Time::getMillisecondCounter();
        fields.x = position.x;
        fields.y = position.y;
        fields.same_screen = True;

        // The state before the event: the button is down from the press until the release.
        fields.state = type == ButtonPress ? 0 : Button1Mask;
    };

    long mask = PointerMotionMask;

    if (type == MotionNotify)
    {
        fill (event.xmotion);
        event.xmotion.is_hint = NotifyNormal;
    }
    else
    {
        fill (event.xbutton);
        event.xbutton.button = Button1;
        mask = type == ButtonPress ? ButtonPressMask : ButtonReleaseMask;
    }

    XSendEvent (display, window, False, mask, &event);
    XFlush (display);
}
