#pragma once

#include <QPointF>

#include <cstdint>
#include <optional>
#include <stop_token>

// Mouse event types, numbered as the stored records number them.
enum XMouseEventType : std::uint32_t
{
    XLeftMouseDown = 1,
    XLeftMouseUp = 2,
    XRightMouseDown = 3,
    XRightMouseUp = 4,
    XLeftMouseDragged = 6,
    XRightMouseDragged = 7,
};

// Whether the pointer (when known) lies more than `tolerance` from `expected`.
bool XPointerMovedAway(std::optional<QPointF> pointer, QPointF expected, double tolerance);

// Posts synthetic mouse events system-wide. One poster per playback thread, created and
// used on that thread only.
class XMousePoster
{
public:
    virtual ~XMousePoster() = default;
    // At a global point in device pixels.
    virtual void postMouseEvent(XMouseEventType type, QPointF devicePoint) = 0;
    // Makes the window under the point the active one, the way the window manager does
    // when it is clicked, and waits (briefly) until it is.
    virtual void activateWindowAt(QPointF devicePoint) = 0;
    // Pauses, counted from the end of the previous pause (or the first event), so that
    // the time spent posting is part of the pause. Returns at once when stop is requested.
    virtual void sleepMicroseconds(std::int64_t micros, std::stop_token stop) = 0;
    // Where the pointer is now, in global device pixels; nothing when it cannot be told.
    virtual std::optional<QPointF> pointerPosition() = 0;
    // A pause as above that also tells whether the user moved the pointer more than
    // `tolerance` away from `expected` during it. The look is taken near the pause's end,
    // so that it costs the clicks no time.
    virtual bool pauseWatchingPointer(std::int64_t micros, std::stop_token stop, QPointF expected,
                                      double tolerance);
};
