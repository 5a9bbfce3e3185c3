#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

// One monitor as Qt describes it: the geometry is logical, but its origin is the
// unscaled device origin of the monitor.
struct XScreenInfo
{
    QRectF geometry;
    double devicePixelRatio = 1.0;
};

// The monitor's area in device pixels.
QRectF XDeviceArea(const XScreenInfo& screen);

// The device-pixel point (what XTest takes) for a global logical point, scaled about
// the origin of the monitor that holds it; a point off every monitor uses the nearest.
// Not rounded: round once, when posting.
QPointF XLogicalToDevicePoint(QPointF logical, const std::vector<XScreenInfo>& screens);
// The global logical point for a device-pixel point (what the X server reports): the
// inverse of the above, about the origin of the monitor whose device area holds it.
QPointF XDeviceToLogicalPoint(QPointF device, const std::vector<XScreenInfo>& screens);

// Qt places a whole window by one monitor, the one that holds its centre (else the nearest),
// wherever its parts lie: a window's own points map by that monitor, never by the monitor
// under each point. `frame` is the window's global logical area.
const XScreenInfo* XScreenOfWindow(const QRectF& frame, const std::vector<XScreenInfo>& screens);
// Where the point `local` of a window shows, in device pixels.
QPointF XWindowPointToDevice(const QRectF& frame, QPointF local, const std::vector<XScreenInfo>& screens);
// The logical top-left that shows the point `local` of a window of `size` at `device`.
QPointF XWindowTopLeftShowing(QPointF local, QPointF device, QSizeF size,
                              const std::vector<XScreenInfo>& screens);
