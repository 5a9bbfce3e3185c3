#include "XClickablePoint.h"

#include <cmath>

bool XPointIsOnAMonitor(QPointF point, const std::vector<QRectF>& monitors)
{
    const double x = point.x();
    const double y = point.y();
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    for (const QRectF& monitor : monitors) {
        // QRectF::contains takes the far edges in; a click there is off this monitor.
        if (x >= monitor.left() && x < monitor.left() + monitor.width() && y >= monitor.top() &&
            y < monitor.top() + monitor.height())
            return true;
    }
    return false;
}
