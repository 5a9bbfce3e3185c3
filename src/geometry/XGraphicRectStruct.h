#pragma once

#include <QPointF>
#include <QRectF>

// The four corners of the grid, or of one cell: top-left, bottom-left, bottom-right,
// top-right. Walking them in field order goes down the left edge, along the bottom
// and up the right edge.
struct XGraphicRectStruct
{
    QPointF topPoint;
    QPointF leftPoint;
    QPointF bottomPoint;
    QPointF rightPoint;
};

XGraphicRectStruct XMakeGraphicRect(const QRectF& rect);
XGraphicRectStruct XZeroGraphicRect();
QRectF XMaxRectGraphicRect(const XGraphicRectStruct& rect);
bool XEqualGraphicRects(const XGraphicRectStruct& a, const XGraphicRectStruct& b);
bool XIsZeroGraphicRect(const XGraphicRectStruct& rect);
