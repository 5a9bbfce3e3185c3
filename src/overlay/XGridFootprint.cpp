#include "XGridFootprint.h"

#include <cmath>

namespace {
// Antialiasing reaches a pixel past the pen's half width.
QRect bandAround(QPointF a, QPointF b, double pad)
{
    const double left = std::min(a.x(), b.x()) - pad;
    const double top = std::min(a.y(), b.y()) - pad;
    const double right = std::max(a.x(), b.x()) + pad;
    const double bottom = std::max(a.y(), b.y()) + pad;
    return QRect(QPoint(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top))),
                 QPoint(static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))));
}
} // namespace

QRegion XGridFootprint(const XGraphic& graphic, bool withHandles)
{
    QRegion region;
    // The line's one-pixel rim on each side, and its miter at a sharp corner.
    const double pad = graphic.lineWidth() / 2 + 3;
    for (std::size_t i = 0; i < graphic.graphicCount(); ++i) {
        const XGraphicRectStruct cell = graphic.graphicRectForIndex(i);
        if (XIsZeroGraphicRect(cell))
            continue;
        region += bandAround(cell.topPoint, cell.leftPoint, pad);
        region += bandAround(cell.leftPoint, cell.bottomPoint, pad);
        region += bandAround(cell.bottomPoint, cell.rightPoint, pad);
        region += bandAround(cell.rightPoint, cell.topPoint, pad);
    }
    if (!withHandles)
        return region;
    // The handle's white outline is drawn with a 2-point pen on the box's edge.
    const int handlePad = 3;
    for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight}) {
        region += graphic.handleRectWithHandlePosition(position).toAlignedRect().adjusted(
            -handlePad, -handlePad, handlePad, handlePad);
    }
    for (const XGraphicHandlePosition& handle : graphic.handleGaps()) {
        region += graphic.handleRectWithPoint(handle.handlePoint)
                      .toAlignedRect()
                      .adjusted(-handlePad, -handlePad, handlePad, handlePad);
    }
    return region;
}
