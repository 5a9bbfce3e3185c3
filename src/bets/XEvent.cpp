#include "XEvent.h"

#include "geometry/XGraphic.h"

namespace {
constexpr std::int64_t kEventGapMicros = 100;
// In device pixels: enough for a drag threshold that counts any movement.
constexpr double kDragDistance = 2.0;
} // namespace

void XEvent::postMouseDownUpEventWithCursorPosition(XMousePoster& poster, QPointF p, bool needMouseDrag,
                                                    std::stop_token stop, XMouseButton button)
{
    const bool right = button == XMouseButton::Right;
    poster.postMouseEvent(right ? XRightMouseDown : XLeftMouseDown, p);
    poster.sleepMicroseconds(kEventGapMicros, stop);
    if (needMouseDrag) {
        poster.postMouseEvent(right ? XRightMouseDragged : XLeftMouseDragged, {p.x() + kDragDistance, p.y()});
        poster.sleepMicroseconds(kEventGapMicros, stop);
    }
    // Always completed: a press is never left without its release.
    poster.postMouseEvent(right ? XRightMouseUp : XLeftMouseUp, p);
    poster.sleepMicroseconds(kEventGapMicros, stop);
}

QPointF XEvent::pointAfterClick(QPointF p, bool needMouseDrag)
{
    // The release after a drag is posted where the drag went.
    return needMouseDrag ? QPointF(p.x() + kDragDistance, p.y()) : p;
}

bool XContainScreenPoint(const QRectF& windowFrame, QPointF point)
{
    return XPointInRect(point, windowFrame);
}
