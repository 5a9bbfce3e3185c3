#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

// Whether a click at this global logical point lands on a monitor: both coordinates
// finite and inside one of the monitors' logical rectangles (right and bottom edges
// excluded, they are the next monitor's first pixel or nothing).
bool XPointIsOnAMonitor(QPointF point, const std::vector<QRectF>& monitors);
