#pragma once

#include <QPointF>

// Handle positions of the corners and the body (handlePositionAtPoint), and of the
// edges that gap handles sit on (XGraphicHandlePosition::positon).
enum XHandlePosition : unsigned
{
    XHandleTop = 0,      // corner topPoint / top edge
    XHandleLeft = 1,     // corner leftPoint / left edge
    XHandleZeroZone = 2, // the zero-zone edge, midway down the left edge
    XHandleBottom = 3,   // corner bottomPoint / bottom edge
    XHandleRight = 4,    // corner rightPoint / right edge
    XHandleBody = 5,     // inside the grid's bounding box
    XHandleNone = 6,
};

// One gap handle: which edge it sits on, which line (and gap entry) it belongs to,
// and where that end of the line was when the handle list was built.
struct XGraphicHandlePosition
{
    unsigned positon = 0;
    long gapNumber = 0; // -1: no gap handle
    QPointF handlePoint;
};
