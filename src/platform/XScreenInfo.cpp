#include "XScreenInfo.h"

#include <cmath>
#include <limits>

namespace {
double distanceToRect(QPointF p, const QRectF& r)
{
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - (r.left() + r.width())});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - (r.top() + r.height())});
    return std::hypot(dx, dy);
}
} // namespace

QRectF XDeviceArea(const XScreenInfo& screen)
{
    return {screen.geometry.topLeft(), screen.geometry.size() * screen.devicePixelRatio};
}

QPointF XLogicalToDevicePoint(QPointF logical, const std::vector<XScreenInfo>& screens)
{
    const XScreenInfo* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const XScreenInfo& screen : screens) {
        const QRectF& g = screen.geometry;
        const bool inside = logical.x() >= g.left() && logical.x() < g.left() + g.width() &&
                            logical.y() >= g.top() && logical.y() < g.top() + g.height();
        const double distance = inside ? -1 : distanceToRect(logical, g);
        if (distance < bestDistance) {
            best = &screen;
            bestDistance = distance;
        }
    }
    if (!best)
        return logical;
    const QPointF origin = best->geometry.topLeft();
    return origin + (logical - origin) * best->devicePixelRatio;
}

QPointF XDeviceToLogicalPoint(QPointF device, const std::vector<XScreenInfo>& screens)
{
    const XScreenInfo* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const XScreenInfo& screen : screens) {
        const QRectF deviceArea(screen.geometry.topLeft(), screen.geometry.size() * screen.devicePixelRatio);
        const bool inside =
            device.x() >= deviceArea.left() && device.x() < deviceArea.left() + deviceArea.width() &&
            device.y() >= deviceArea.top() && device.y() < deviceArea.top() + deviceArea.height();
        const double distance = inside ? -1 : distanceToRect(device, deviceArea);
        if (distance < bestDistance) {
            best = &screen;
            bestDistance = distance;
        }
    }
    if (!best || best->devicePixelRatio <= 0)
        return device;
    const QPointF origin = best->geometry.topLeft();
    return origin + (device - origin) / best->devicePixelRatio;
}

const XScreenInfo* XScreenOfWindow(const QRectF& frame, const std::vector<XScreenInfo>& screens)
{
    const QPointF centre = frame.center();
    const XScreenInfo* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const XScreenInfo& screen : screens) {
        const double distance =
            screen.geometry.contains(centre) ? -1 : distanceToRect(centre, screen.geometry);
        if (distance < bestDistance) {
            best = &screen;
            bestDistance = distance;
        }
    }
    return best;
}

QPointF XWindowPointToDevice(const QRectF& frame, QPointF local, const std::vector<XScreenInfo>& screens)
{
    const XScreenInfo* screen = XScreenOfWindow(frame, screens);
    const QPointF logical = frame.topLeft() + local;
    if (!screen)
        return logical;
    const QPointF origin = screen->geometry.topLeft();
    return origin + (logical - origin) * screen->devicePixelRatio;
}

QPointF XWindowTopLeftShowing(QPointF local, QPointF device, QSizeF size,
                              const std::vector<XScreenInfo>& screens)
{
    // Try each monitor as the one the window would be placed by; it is right when the
    // window so placed has its centre there.
    for (const XScreenInfo& screen : screens) {
        if (screen.devicePixelRatio <= 0)
            continue;
        const QPointF origin = screen.geometry.topLeft();
        const QPointF topLeft = origin + (device - origin) / screen.devicePixelRatio - local;
        if (XScreenOfWindow(QRectF(topLeft, size), screens) == &screen)
            return topLeft;
    }
    return XDeviceToLogicalPoint(device, screens) - local;
}
