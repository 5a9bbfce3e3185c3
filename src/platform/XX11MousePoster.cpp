#include "XX11MousePoster.h"

#include "XLog.h"

#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

// X11 headers last: they define macros such as None and Bool.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {
struct PointerState
{
    QPointF position; // on the root window
    unsigned int buttons = 0; // the server's button and modifier mask
};

std::optional<PointerState> queryPointer(Display* display)
{
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask))
        return std::nullopt;
    return PointerState{QPointF(rootX, rootY), mask};
}

bool hasProperty(Display* display, Window window, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType, &type,
                                          &format, &count, &after, &data) == Success &&
                       type != 0;
    if (data)
        XFree(data);
    return found;
}

// The application window inside a window manager's frame: the one with WM_STATE.
Window findClient(Display* display, Window window, Atom wmState, int depth = 0)
{
    if (hasProperty(display, window, wmState))
        return window;
    if (depth > 3)
        return 0;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window client = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = count; i-- > 0 && !client;)
            client = findClient(display, children[i], wmState, depth + 1);
        if (children)
            XFree(children);
    }
    return client;
}
} // namespace

XX11MousePoster::XX11MousePoster(const QByteArray& displayName)
{
    XUseFineTimerSlack();
    m_display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!m_display) {
        XLog("ERROR! cannot open the X display \"%s\" to click", displayName.constData());
        return;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor)) {
        XLog("ERROR! the X server has no XTest extension: clicks cannot be posted");
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

XX11MousePoster::~XX11MousePoster()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void XX11MousePoster::moveTo(int x, int y)
{
    // Always: the user may have moved the pointer since the last event.
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
}

void XX11MousePoster::postMouseEvent(XMouseEventType type, QPointF devicePoint)
{
    m_sleeper.markFirstEvent();
    if (!m_display)
        return;
    // Nothing moves the pointer before the last release has reached the window.
    settleRelease(std::chrono::milliseconds(50));
    // Device pixels arrive unrounded; round once, here.
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    // A release right after a drag stays where the drag went: moving back first would give
    // the receiving program two motions at once, which it merges into none, and the drag
    // would be lost.
    const bool release = type == XLeftMouseUp || type == XRightMouseUp;
    const bool drag = type == XLeftMouseDragged || type == XRightMouseDragged;
    if (!(release && m_dragged))
        moveTo(x, y);
    m_dragged = drag;
    // A drag is the motion above alone.
    if (!drag) {
        const unsigned button = type == XRightMouseDown || type == XRightMouseUp ? Button3 : Button1;
        const Bool press = type == XLeftMouseDown || type == XRightMouseDown;
        XTestFakeButtonEvent(m_display, button, press, CurrentTime);
        if (!press)
            m_pendingRelease = button == Button1 ? Button1Mask : Button3Mask;
    }
    XFlush(m_display);
}

void XX11MousePoster::settleRelease(std::chrono::microseconds within)
{
    // A window manager's click-to-focus grab freezes the pointer on a press until it has
    // passed the press on; a release posted meanwhile waits in the server and could reach
    // the window only after the next click's motion, in the next cell. So the release is
    // seen through (the server's button state tells) before anything else is posted; the
    // look is taken in the pauses, where it costs the clicks no time.
    if (!m_pendingRelease)
        return;
    const auto deadline = std::chrono::steady_clock::now() + within;
    for (;;) {
        const std::optional<PointerState> pointer = queryPointer(m_display);
        if (!pointer || !(pointer->buttons & m_pendingRelease)) {
            m_pendingRelease = 0;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

unsigned long XX11MousePoster::clientWindowAt(int x, int y) const
{
    const Window rootWindow = DefaultRootWindow(m_display);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, rootWindow, &root, &parent, &children, &count))
        return 0;
    const Atom wmState = XInternAtom(m_display, "WM_STATE", False);
    Window client = 0;
    // Top of the stack first; windows the manager does not manage (such as the
    // click-through overlay) are passed over.
    for (unsigned int i = count; i-- > 0 && !client;) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_display, children[i], &a) || a.map_state != IsViewable ||
            a.override_redirect)
            continue;
        if (x >= a.x && x < a.x + a.width + 2 * a.border_width && y >= a.y &&
            y < a.y + a.height + 2 * a.border_width)
            client = findClient(m_display, children[i], wmState);
    }
    if (children)
        XFree(children);
    return client;
}

bool XX11MousePoster::windowContains(unsigned long window, int x, int y) const
{
    XWindowAttributes a;
    Window child = 0;
    int left = 0, top = 0;
    if (!XGetWindowAttributes(m_display, window, &a) ||
        !XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &left, &top, &child))
        return false;
    return x >= left && x < left + a.width && y >= top && y < top + a.height;
}

unsigned long XX11MousePoster::activeWindow() const
{
    const Atom netActive = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window active = 0;
    if (XGetWindowProperty(m_display, DefaultRootWindow(m_display), netActive, 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success &&
        data && count == 1)
        active = *reinterpret_cast<Window*>(data);
    if (data)
        XFree(data);
    return active;
}

void XX11MousePoster::activateWindowAt(QPointF devicePoint)
{
    if (!m_display)
        return;
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    // Most runs click into the window that is active already: a few requests tell.
    const Window active = activeWindow();
    if (active && windowContains(active, x, y))
        return;
    const Window client = clientWindowAt(x, y);
    if (!client || client == active)
        return;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = client;
    event.xclient.message_type = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // asked for on the user's behalf, as a pager would
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, DefaultRootWindow(m_display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(m_display);
    // The manager answers within a few milliseconds; never wait long for one that does not.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    while (activeWindow() != client && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::optional<QPointF> XX11MousePoster::pointerPosition()
{
    if (!m_display)
        return std::nullopt;
    const std::optional<PointerState> pointer = queryPointer(m_display);
    if (!pointer)
        return std::nullopt;
    return pointer->position;
}

bool XX11MousePoster::pauseWatchingPointer(std::int64_t micros, std::stop_token stop, QPointF expected,
                                           double tolerance)
{
    // A round trip to the X server takes some 30 µs: taken inside the pause, before its
    // last stretch, it costs the clicks nothing.
    constexpr std::int64_t kLookBefore = 300;
    settleRelease(std::chrono::microseconds(micros / 2));
    if (micros <= 2 * kLookBefore) {
        const bool moved = XPointerMovedAway(pointerPosition(), expected, tolerance);
        m_sleeper.sleepMicroseconds(micros, stop);
        return moved;
    }
    m_sleeper.sleepMicroseconds(micros - kLookBefore, stop);
    const bool moved = XPointerMovedAway(pointerPosition(), expected, tolerance);
    m_sleeper.sleepMicroseconds(kLookBefore, stop);
    return moved;
}

void XX11MousePoster::sleepMicroseconds(std::int64_t micros, std::stop_token stop)
{
    settleRelease(std::chrono::microseconds(micros / 2));
    m_sleeper.sleepMicroseconds(micros, stop);
}
