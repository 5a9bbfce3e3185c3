#include "XX11MousePoster.h"

#include "XLog.h"

#include <cmath>

// X11 headers last: they define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

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
    if (m_pointerKnown && x == m_pointerX && y == m_pointerY)
        return;
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    m_pointerKnown = true;
    m_pointerX = x;
    m_pointerY = y;
}

void XX11MousePoster::postMouseEvent(XMouseEventType type, QPointF devicePoint)
{
    m_sleeper.markFirstEvent();
    if (!m_display)
        return;
    // Device pixels arrive unrounded; round once, here.
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    // A release right after a drag stays where the drag went: moving back first would give
    // the receiving program two motions at once, which it merges into none, and the drag
    // would be lost.
    if (!(type == XLeftMouseUp && m_dragged))
        moveTo(x, y);
    m_dragged = type == XLeftMouseDragged;
    switch (type) {
    case XLeftMouseDown:
        XTestFakeButtonEvent(m_display, Button1, True, CurrentTime);
        break;
    case XLeftMouseUp:
        XTestFakeButtonEvent(m_display, Button1, False, CurrentTime);
        break;
    case XRightMouseDown:
        XTestFakeButtonEvent(m_display, Button3, True, CurrentTime);
        break;
    case XRightMouseUp:
        XTestFakeButtonEvent(m_display, Button3, False, CurrentTime);
        break;
    case XLeftMouseDragged:
        break; // the motion above is the drag
    }
    XFlush(m_display);
}

void XX11MousePoster::sleepMicroseconds(std::int64_t micros, std::stop_token stop)
{
    m_sleeper.sleepMicroseconds(micros, stop);
}
