#pragma once

#include <QImage>
#include <QRegion>

#include <vector>

// Fills the pixels of `region` from their neighbours outside it, ring by ring from the
// edge inwards: what the grid's own thin lines hid in a screenshot of the table.
void XPaintOutRegion(QImage& image, const QRegion& region);
// The same for rectangles that may overlap.
void XPaintOutRects(QImage& image, const std::vector<QRect>& rects);
