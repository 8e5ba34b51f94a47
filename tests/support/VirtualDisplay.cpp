#include "VirtualDisplay.h"

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <initializer_list>
#include <pthread.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
    /** How long a server may take to start on a busy machine, and how often the wait for
        it looks whether it has ended. */
    constexpr int serverStartTimeoutMs = 30000, serverCheckIntervalMs = 100;

    /** Starts Xvfb on display number and, once it accepts connections, points $DISPLAY at
        it; false when it cannot start there. The server claims the number itself with the
        lock file that every X server and xvfb-run look for, atomically: it refuses a
        number that a live server holds, and takes over a lock and socket left by one that
        was killed. */
    bool startOwnServer (int number)
    {
        // Started with SIGUSR1 ignored, the server sends its parent SIGUSR1 once it accepts
        // connections, and again after each reset, which -noreset rules out.
        sigset_t startSignals, previousMask;
        sigemptyset (&startSignals);
        sigaddset (&startSignals, SIGUSR1);
        sigaddset (&startSignals, SIGCHLD);
        pthread_sigmask (SIG_BLOCK, &startSignals, &previousMask);

        const auto display = ":" + std::to_string (number);
        const pid_t testProcess = getpid();
        const pid_t child = fork();

        if (child == 0)
        {
            // The server ends when the test process has ended, crashed or not: not before,
            // as the framework still talks to it while the process exits. Ending on SIGTERM,
            // it removes its lock file and socket.
            prctl (PR_SET_PDEATHSIG, SIGTERM);

            if (getppid() != testProcess)
                _exit (1);

            signal (SIGUSR1, SIG_IGN);
            sigprocmask (SIG_SETMASK, &previousMask, nullptr);

            const int quiet = open ("/dev/null", O_WRONLY);
            dup2 (quiet, STDOUT_FILENO);
            dup2 (quiet, STDERR_FILENO);

            execlp ("Xvfb", "Xvfb", display.c_str(), "-noreset", "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp", (char*) nullptr);
            _exit (127);
        }

        // Ready at its SIGUSR1; failed once it has ended (waitpid says so even where SIGCHLD
        // is ignored and never comes); given up on at the deadline.
        bool started = false, running = child > 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (serverStartTimeoutMs);

        while (running && ! started)
        {
            const timespec step { 0, serverCheckIntervalMs * 1000000L };
            siginfo_t info {};
            started = sigtimedwait (&startSignals, &info, &step) == SIGUSR1 && info.si_pid == child;
            running = started || waitpid (child, nullptr, WNOHANG) == 0;

            if (running && ! started && std::chrono::steady_clock::now() > deadline)
            {
                kill (child, SIGTERM);
                waitpid (child, nullptr, 0);
                running = false;
            }
        }

        pthread_sigmask (SIG_SETMASK, &previousMask, nullptr);
        return started && setenv ("DISPLAY", display.c_str(), 1) == 0;
    }

    /** Starts a server on the first display number from 100 on that it can claim, clear of
        the framework's default (:0, used when $DISPLAY is unset) and of xvfb-run's first pick. */
    bool startOwnServer()
    {
        constexpr int firstNumber = 100, numbersToTry = 100;

        for (int number = firstNumber; number < firstNumber + numbersToTry; ++number)
            if (startOwnServer (number))
                return true;

        return false;
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
