// Starts a program and reports how long it took to put a window on the
// screen, and how much memory it holds once it has.
//
// Usage: mapwatch PROGRAM [ARGS…]
// Prints "<microseconds from exec to the first top-level MapNotify> <VmRSS kB>"
// where the resident size is read 500 ms after the map, then ends the program.

#include <X11/Xlib.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: mapwatch PROGRAM [ARGS…]\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("mapwatch: cannot open the display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execv(argv[1], argv + 1);
        _exit(127);
    }

    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify || event.xmap.override_redirect);
    const auto mapped = std::chrono::steady_clock::now();

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);

    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(mapped - start);
    std::printf("%lld %ld\n", static_cast<long long>(micros.count()), rss);
    return 0;
}
