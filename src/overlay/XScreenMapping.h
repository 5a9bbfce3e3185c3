#pragma once

#include "geometry/XGraphic.h"
#include "platform/XScreenInfo.h"

#include <QRectF>

#include <vector>

// What it takes to turn a cell index into a point on the screen: where the view is,
// the monitors, and the grid with its lines computed. Immutable once published, so a
// playback thread can read it while the main thread edits the grid.
struct XScreenMapping
{
    QRectF viewFrame; // global logical coordinates, top-left origin
    std::vector<XScreenInfo> screens;
    XGraphic graphic;

    // The centre of the cell's bounding box as a global point in device pixels.
    QPointF screenCenterPointForIndex(std::size_t index) const;
};
