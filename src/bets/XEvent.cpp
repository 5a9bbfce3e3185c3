#include "XEvent.h"

#include "geometry/XGraphic.h"

namespace {
constexpr std::int64_t kEventGapMicros = 100;
// In device pixels: enough for a drag threshold that counts any movement.
constexpr double kDragDistance = 2.0;
} // namespace

void XEvent::postMouseDownUpEventWithCursorPosition(XMousePoster& poster, QPointF p, bool needMouseDrag,
                                                    std::stop_token stop)
{
    poster.postMouseEvent(XLeftMouseDown, p);
    poster.sleepMicroseconds(kEventGapMicros, stop);
    if (needMouseDrag) {
        poster.postMouseEvent(XLeftMouseDragged, {p.x() + kDragDistance, p.y()});
        poster.sleepMicroseconds(kEventGapMicros, stop);
    }
    // Always completed: a press is never left without its release.
    poster.postMouseEvent(XLeftMouseUp, p);
    poster.sleepMicroseconds(kEventGapMicros, stop);
}

bool XContainScreenPoint(const QRectF& windowFrame, QPointF point)
{
    return XPointInRect(point, windowFrame);
}
