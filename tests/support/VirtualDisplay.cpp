#include "VirtualDisplay.h"

#include <juce_core/juce_core.h>

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <initializer_list>
#include <string>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
    /** Starts Xvfb on display number, and once it accepts connections points $DISPLAY at
        it; false when it cannot start there (another server holds the number, say). */
    bool startOwnServer (int number)
    {
        int ready[2];

        if (pipe (ready) != 0)
            return false;

        const auto display = ":" + std::to_string (number);
        const pid_t testProcess = getpid();
        const pid_t child = fork();

        if (child == 0)
        {
            // The server ends when the test process has ended, crashed or not: not before,
            // as the framework still talks to it while the process exits.
            prctl (PR_SET_PDEATHSIG, SIGTERM);

            if (getppid() != testProcess)
                _exit (1);

            close (ready[0]);

            const int quiet = open ("/dev/null", O_WRONLY);
            dup2 (quiet, STDOUT_FILENO);
            dup2 (quiet, STDERR_FILENO);

            const auto readyFd = std::to_string (ready[1]);
            execlp ("Xvfb", "Xvfb", display.c_str(), "-displayfd", readyFd.c_str(),
                    "-screen", "0", "1280x1024x24", "-nolisten", "tcp", (char*) nullptr);
            _exit (127);
        }

        close (ready[1]);

        // The server writes its display number when it is ready; nothing when it fails.
        char firstDigit = 0;
        const bool started = child > 0 && read (ready[0], &firstDigit, 1) == 1;
        close (ready[0]);

        if (child > 0 && ! started)
            waitpid (child, nullptr, 0);

        return started && setenv ("DISPLAY", display.c_str(), 1) == 0;
    }

    /** Starts a server on the first free display number from 100 on, clear of the
        framework's default (:0, used when $DISPLAY is unset) and of xvfb-run's first pick.
        A number is free while neither a lock file nor a socket names it (a server started
        with -displayfd makes no lock file, and one starting on a taken number removes the
        other's socket), so test processes start theirs one at a time. */
    bool startOwnServer()
    {
        constexpr int firstNumber = 100, numbersToTry = 100;

        const int startLock = open ("/tmp/.lumiver-test-display-lock", O_RDWR | O_CREAT, 0666);
        flock (startLock, LOCK_EX);

        bool started = false;

        for (int number = firstNumber; number < firstNumber + numbersToTry && ! started; ++number)
        {
            const juce::String suffix (number);
            started = ! juce::File ("/tmp/.X" + suffix + "-lock").exists()
                   && ! juce::File ("/tmp/.X11-unix/X" + suffix).exists()
                   && startOwnServer (number);
        }

        close (startLock);   // and with it the lock
        return started;
    }
}

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
    if (std::getenv ("DISPLAY") == nullptr && ! startOwnServer())
        return;

    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });

    static auto* const display = connectToDisplay();   // kept open for the run

    if (display != nullptr)
        for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                            "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
            XInternAtom (display, name, False);
}
