#include "XClickablePoint.h"

#include "geometry/XLinearEquation.h"

bool XPointIsOnAMonitor(QPointF point, const std::vector<QRectF>& monitors)
{
    if (!XFinitePoint(point))
        return false;
    const double x = point.x();
    const double y = point.y();
    for (const QRectF& monitor : monitors) {
        // QRectF::contains takes the far edges in; a click there is off this monitor.
        if (x >= monitor.left() && x < monitor.left() + monitor.width() && y >= monitor.top() &&
            y < monitor.top() + monitor.height())
            return true;
    }
    return false;
}
