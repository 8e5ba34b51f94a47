#pragma once

/** Makes the test process's virtual display behave as a desktop's would for
    the framework's windows, before the framework starts:
    - defines the atoms a desktop's window manager would (a bare virtual
      display has none, and the framework's windows take them for granted),
      on a connection kept open for the run, since the server forgets its
      atoms when its last client leaves;
    - ignores errors of X requests, as a host application does. The framework
      installs its own handler only in applications, and Xlib's default one
      ends the process: tests run side by side on one display, and a query
      about another process's window that has just closed fails.
    Does nothing without $DISPLAY.
*/
void prepareVirtualDisplay();
