#include "XAreaFit.h"

#include <algorithm>

int XClampedStart(int wanted, int length, int areaStart, int areaLength)
{
    return std::clamp(wanted, areaStart, areaStart + std::max(0, areaLength - length));
}

QRect XKeptInside(QRect rect, const QRect& area)
{
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveTopLeft(QPoint(XClampedStart(rect.left(), rect.width(), area.left(), area.width()),
                            XClampedStart(rect.top(), rect.height(), area.top(), area.height())));
    return rect;
}
