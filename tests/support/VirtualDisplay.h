#pragma once

// Xlib's display record; its header stays out of the tests' own, as its macros clash with theirs.
struct _XDisplay;

/** A new connection to $DISPLAY, retried for a while, as a display busy with other test
    processes may refuse one for a moment; null without a display.
*/
_XDisplay* connectToDisplay();

/** Makes the test process's virtual display behave as a desktop's would for the
    framework's windows, before the framework starts.

    Without $DISPLAY (a test run by hand, without xvfb-run) it first starts a virtual X
    server of the process's own on a free display number and sets $DISPLAY to it; the
    server ends with the process. Then it defines the atoms a
    window manager would (on a connection kept open, since the server forgets its atoms
    when its last client leaves), and ignores errors of X requests, as a host application
    does: tests run side by side on one display, and a query about another process's
    window that has just closed fails. Leaves $DISPLAY unset when no server can start.
    Called first thing in main(), before any other thread runs: the server's start is
    waited for through signals.
*/
void prepareVirtualDisplay();
