// From the release of a global hot key to its action: registers Control+Option+F through the
// hot-key center on the X display, sends key press/release pairs with XTest from a second
// connection on another thread, and prints the median and 99th percentile of the time from
// sending each release to the action being called (goal: 5 ms or less).
#include "hotkeys/HKHotKeyCenter.h"
#include "platform/XQtPlatform.h"

#include <QApplication>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kReleases = 200;
constexpr int kWarmUp = 5;

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}
} // namespace

int main(int argc, char** argv)
{
    XQtPlatform::initializeThreads();
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_hotkey needs an X display\n");
        return 2;
    }
    QApplication app(argc, argv);
    XQtPlatform platform;
    HKHotKeyCenter center(platform.hotKeys());

    std::vector<Clock::time_point> sent(kWarmUp + kReleases);
    std::vector<Clock::time_point> called(kWarmUp + kReleases);
    std::atomic<int> calls{0};
    const auto hotKey =
        center.registerHotKeyWithKeyCode(3, XControlKeyMask | XAlternateKeyMask, [&](const HKKeyEvent&) {
            const int n = calls.load();
            if (n < static_cast<int>(called.size()))
                called[static_cast<std::size_t>(n)] = Clock::now();
            calls.store(n + 1);
        });
    if (!hotKey) {
        std::fprintf(stderr, "Control+Option+F is held by another program\n");
        return 1;
    }

    bool complete = true;
    QThread* sender = QThread::create([&] {
        Display* display = XOpenDisplay(nullptr);
        if (!display) {
            complete = false;
            return;
        }
        const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
        const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
        const KeyCode f = XKeysymToKeycode(display, XK_f);
        XTestFakeKeyEvent(display, control, True, CurrentTime);
        XTestFakeKeyEvent(display, alt, True, CurrentTime);
        for (int i = 0; i < kWarmUp + kReleases && complete; ++i) {
            XTestFakeKeyEvent(display, f, True, CurrentTime);
            XSync(display, False);
            sent[static_cast<std::size_t>(i)] = Clock::now();
            XTestFakeKeyEvent(display, f, False, CurrentTime);
            XFlush(display);
            const auto deadline = Clock::now() + std::chrono::seconds(2);
            while (calls.load() <= i) {
                if (Clock::now() > deadline) {
                    complete = false;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        }
        XTestFakeKeyEvent(display, alt, False, CurrentTime);
        XTestFakeKeyEvent(display, control, False, CurrentTime);
        XSync(display, False);
        XCloseDisplay(display);
    });
    QObject::connect(sender, &QThread::finished, &app, &QCoreApplication::quit);
    sender->start();
    app.exec();
    sender->wait();
    delete sender;

    if (!complete) {
        std::fprintf(stderr, "only %d of %d releases reached the action\n", calls.load(),
                     kWarmUp + kReleases);
        return 1;
    }
    std::vector<double> millis;
    for (std::size_t i = kWarmUp; i < sent.size(); ++i)
        millis.push_back(std::chrono::duration<double, std::milli>(called[i] - sent[i]).count());
    std::printf("hot key release to action over %d releases: median %.3f ms, p99 %.3f ms, max %.3f ms (goal "
                "<= 5 ms)\n",
                kReleases, percentile(millis, 0.5), percentile(millis, 0.99), percentile(millis, 1.0));
    return 0;
}
