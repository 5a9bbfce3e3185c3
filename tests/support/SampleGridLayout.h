#pragma once

#include "overlay/XGridWindowData.h"

#include <QColor>

// A fitted layout with every field off its default: a skewed table, a zero column of its own
// width and gaps on all four sides, at `x` across the screen.
inline XGridWindowData XSampleGridLayout(double x = 100, const QColor& color = Qt::green)
{
    XGridWindowData d;
    d.windowFrame = QRectF(x, 50, 900, 300);
    d.graphicColor = color;
    d.graphicRect = {{20, 20}, {15, 280}, {700, 285}, {705, 25}};
    d.graphicZeroZoneWidth = 7.5;
    d.topGaps = XGapArray(14, 0.0);
    d.topGaps[3] = 2.25;
    d.leftGaps = {0, 1, -1, 0};
    d.bottomGaps = XGapArray(14, 0.0);
    d.rightGaps = {0, 0.5, 0, 0};
    return d;
}
