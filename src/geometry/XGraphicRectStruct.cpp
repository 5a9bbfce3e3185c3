#include "XGraphicRectStruct.h"

#include "XLinearEquation.h"

#include <algorithm>

XGraphicRectStruct XMakeGraphicRect(const QRectF& r)
{
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    return {{x, y}, {x, y + h}, {x + w, y + h}, {x + w, y}};
}

XGraphicRectStruct XZeroGraphicRect()
{
    return {};
}

QRectF XMaxRectGraphicRect(const XGraphicRectStruct& r)
{
    const double minX = std::min({r.topPoint.x(), r.leftPoint.x(), r.bottomPoint.x(), r.rightPoint.x()});
    const double maxX = std::max({r.topPoint.x(), r.leftPoint.x(), r.bottomPoint.x(), r.rightPoint.x()});
    const double minY = std::min({r.topPoint.y(), r.leftPoint.y(), r.bottomPoint.y(), r.rightPoint.y()});
    const double maxY = std::max({r.topPoint.y(), r.leftPoint.y(), r.bottomPoint.y(), r.rightPoint.y()});
    return {minX, minY, maxX - minX, maxY - minY};
}

bool XEqualGraphicRects(const XGraphicRectStruct& a, const XGraphicRectStruct& b)
{
    return XEqualPoints(a.topPoint, b.topPoint) && XEqualPoints(a.leftPoint, b.leftPoint) &&
           XEqualPoints(a.bottomPoint, b.bottomPoint) && XEqualPoints(a.rightPoint, b.rightPoint);
}

bool XIsZeroGraphicRect(const XGraphicRectStruct& r)
{
    return XEqualGraphicRects(r, XZeroGraphicRect());
}
