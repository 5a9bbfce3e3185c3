#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Fills the pixels of `rects` (they may overlap) from their neighbours outside them, ring by
// ring from the edge inwards: what the grid's own thin lines hid in a screenshot of the table.
void XPaintOutRects(QImage& image, const std::vector<QRect>& rects);
