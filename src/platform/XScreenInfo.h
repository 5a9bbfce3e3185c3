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
