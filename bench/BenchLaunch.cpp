// Launch time as the user sees it: from starting a program to its window being mapped, read
// from the X server (the window manager lists it in _NET_CLIENT_LIST and it is viewable).
// Prints the median of 5 starts of Tableclick (signed in, fresh settings each time) beside a
// bare Qt window, and Tableclick's resident memory once its window is up.
//   bench_launch TABLECLICK BARE_WINDOW
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;

struct Launch
{
    double milliseconds;
    long rssKilobytes;
};

std::string windowName(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 256, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return name;
}

bool hasMappedWindow(Display* display, const std::string& title)
{
    const Atom clients = XInternAtom(display, "_NET_CLIENT_LIST", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), clients, 0, 4096, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) != Success ||
        !data)
        return false;
    const auto* windows = reinterpret_cast<Window*>(data);
    bool found = false;
    for (unsigned long i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        found = windowName(display, windows[i]) == title &&
                XGetWindowAttributes(display, windows[i], &attributes) && attributes.map_state == IsViewable;
    }
    XFree(data);
    return found;
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

std::optional<Launch> launch(Display* display, const char* program, const std::string& title, bool tableclick)
{
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / ("bench-launch-" + std::to_string(getpid()));
    std::filesystem::remove_all(settings);
    std::filesystem::create_directories(settings);
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
        if (tableclick)
            setenv("TABLECLICK_TEST_SKIP_SIGNIN", "1", 1);
        unsetenv("QT_QPA_PLATFORM");
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<Launch> result;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (hasMappedWindow(display, title)) {
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            result = Launch{ms, residentKilobytes(pid)};
            break;
        }
        // Wake on the next change of the root's properties (the client list), or poll.
        XEvent event;
        const auto waitedSince = Clock::now();
        while (!XPending(display) && Clock::now() - waitedSince < std::chrono::milliseconds(2))
            usleep(200);
        while (XPending(display))
            XNextEvent(display, &event);
    }
    // Memory once start-up work has settled.
    if (result) {
        usleep(500 * 1000);
        result->rssKilobytes = std::max(result->rssKilobytes, residentKilobytes(pid));
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::filesystem::remove_all(settings);
    return result;
}

std::optional<Launch> median(Display* display, const char* program, const std::string& title, bool tableclick)
{
    std::vector<Launch> runs;
    launch(display, program, title, tableclick); // warms the file cache
    for (int i = 0; i < kRuns; ++i) {
        const std::optional<Launch> run = launch(display, program, title, tableclick);
        if (!run)
            return std::nullopt;
        runs.push_back(*run);
    }
    std::sort(runs.begin(), runs.end(),
              [](const Launch& a, const Launch& b) { return a.milliseconds < b.milliseconds; });
    Launch middle = runs[runs.size() / 2];
    for (const Launch& run : runs)
        middle.rssKilobytes = std::max(middle.rssKilobytes, run.rssKilobytes);
    return middle;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_launch TABLECLICK BARE_WINDOW\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_launch: needs an X display\n");
        return 1;
    }
    const std::optional<Launch> app = median(display, argv[1], "Tableclick", true);
    const std::optional<Launch> bare = median(display, argv[2], "Bare Qt window", false);
    XCloseDisplay(display);
    if (!app || !bare) {
        std::fprintf(stderr, "bench_launch: a window never showed\n");
        return 1;
    }
    std::printf("launch to main window mapped, median of %d: Tableclick %.0f ms | bare Qt window %.0f ms "
                "(goal: Tableclick <= 250 ms)\n",
                kRuns, app->milliseconds, bare->milliseconds);
    std::printf("resident memory after start: Tableclick %.1f MB | bare Qt window %.1f MB (goal: <= 60 MB)\n",
                static_cast<double>(app->rssKilobytes) / 1024.0,
                static_cast<double>(bare->rssKilobytes) / 1024.0);
    return 0;
}
