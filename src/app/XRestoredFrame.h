#pragma once

#include <QRect>

#include <vector>

// One monitor: all of it, and what windows may take of it (panels and docks left out).
struct XMonitorArea
{
    QRect geometry;
    QRect available;
};

// Where a window frame saved at `saved` (global logical, title bar included) goes among the
// monitors there are now, the primary one first: on the monitor that holds its centre,
// moved and shrunk the least that shows all of it; when that monitor is gone, centred on
// the primary one, all of it showing.
QRect XRestoredFrame(const QRect& saved, const std::vector<XMonitorArea>& monitors);
