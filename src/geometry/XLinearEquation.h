#pragma once

#include <QPointF>

#include <cmath>
#include <optional>

// A straight line a·x + b·y + c = 0 in the overlay's top-left-origin coordinates.
// Non-vertical lines are kept as (k, -1, m) for y = k·x + m; vertical ones have b = 0,
// with a = -1 from the two-point constructor and a = 1 from parallelLineAtPoint.
// Lines are values: every "move" returns a new line.
struct XLinearEquation
{
    double a = 0;
    double b = 0;
    double c = 0;

    // The line through A and B; none when the points are equal or not finite.
    static std::optional<XLinearEquation> linerEquationWithPointA(QPointF a, QPointF b);
    static double distanceWithPointA(QPointF a, QPointF b);
    // Along a vertical or horizontal pair the plain difference A - B; otherwise the
    // distance, positive when B lies left of A.
    static double distanceSignedWithPointA(QPointF a, QPointF b);

    // (0, 0) for parallel or identical lines.
    QPointF crossPointWithLinearEquation(const XLinearEquation& other) const;
    XLinearEquation parallelLineAtPoint(QPointF p) const;
    XLinearEquation parallelLineMoveDeltaX(double dx) const;
    QPointF nearestPointAtPoint(QPointF p) const;
    // 0 unless both a and b are exactly equal.
    double distanceWithParallelLine(const XLinearEquation& other) const;

    bool isVertical() const { return b == 0; }
};

// Exact comparison: QPointF's operator== is fuzzy, the geometry is not.
inline bool XEqualPoints(QPointF p, QPointF q)
{
    return p.x() == q.x() && p.y() == q.y();
}

inline bool XFinitePoint(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}
