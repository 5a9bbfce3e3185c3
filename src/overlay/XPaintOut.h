#pragma once

#include <QImage>
#include <QRegion>

// Fills the pixels of `region` from their neighbours outside it, ring by ring from the
// edge inwards: what the grid's own thin lines hid in a screenshot of the table.
void XPaintOutRegion(QImage& image, const QRegion& region);
