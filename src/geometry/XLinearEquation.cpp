#include "XLinearEquation.h"

#include <cmath>

std::optional<XLinearEquation> XLinearEquation::linerEquationWithPointA(QPointF a, QPointF b)
{
    if (XEqualPoints(a, b) || !XFinitePoint(a) || !XFinitePoint(b))
        return std::nullopt;
    if (a.x() != b.x()) {
        const double k = (a.y() - b.y()) / (a.x() - b.x());
        const double m = a.y() - k * a.x();
        // Two nearly vertical points can overflow the slope; such a line has no usable form.
        if (!std::isfinite(k) || !std::isfinite(m))
            return std::nullopt;
        return XLinearEquation{k, -1, m};
    }
    return XLinearEquation{-1, 0, a.x()};
}

double XLinearEquation::distanceWithPointA(QPointF a, QPointF b)
{
    const double dx = a.x() - b.x();
    const double dy = a.y() - b.y();
    return std::sqrt(dx * dx + dy * dy);
}

double XLinearEquation::distanceSignedWithPointA(QPointF a, QPointF b)
{
    if (a.x() == b.x())
        return a.y() - b.y();
    if (a.y() == b.y())
        return a.x() - b.x();
    const double d = distanceWithPointA(a, b);
    return b.x() > a.x() ? -d : d;
}

QPointF XLinearEquation::crossPointWithLinearEquation(const XLinearEquation& o) const
{
    const double det = a * o.b - o.a * b;
    if (det == 0)
        return {0, 0};
    const double y = (o.a * c - a * o.c) / det;
    // From the steeper of the two: a line that should be flat may carry a slope of 1e-17,
    // and x from it would be 0 / 1e-17.
    const double x = std::abs(o.a) >= std::abs(a) ? -(o.b * y + o.c) / o.a : -(b * y + c) / a;
    return {x, y};
}

XLinearEquation XLinearEquation::parallelLineAtPoint(QPointF p) const
{
    if (b == 0)
        return {1, 0, -p.x()};
    const double k = -a / b;
    return {k, -1, p.y() - k * p.x()};
}

XLinearEquation XLinearEquation::parallelLineMoveDeltaX(double dx) const
{
    if (b == 0)
        return parallelLineAtPoint({-c / a + dx, 0});
    return parallelLineAtPoint({dx, -c / b});
}

QPointF XLinearEquation::nearestPointAtPoint(QPointF p) const
{
    if (b == 0)
        return {-c / a, p.y()};
    if (a == 0)
        return {p.x(), -c / b};
    if (p.y() == -(a * p.x() + c) / b)
        return p;
    const double k = b / a;
    return crossPointWithLinearEquation({k, -1, p.y() - k * p.x()});
}

double XLinearEquation::distanceWithParallelLine(const XLinearEquation& o) const
{
    if (a != o.a || b != o.b)
        return 0;
    const double sign = (b != 0 && a / b > 0) ? -1 : 1;
    return (c - o.c) / std::sqrt(a * a + b * b) * sign;
}
