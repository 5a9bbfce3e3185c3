#include "XMousePoster.h"

#include <cmath>

bool XPointerMovedAway(std::optional<QPointF> pointer, QPointF expected, double tolerance)
{
    return pointer && std::hypot(pointer->x() - expected.x(), pointer->y() - expected.y()) > tolerance;
}

bool XMousePoster::pauseWatchingPointer(std::int64_t micros, std::stop_token stop, QPointF expected,
                                        double tolerance)
{
    sleepMicroseconds(micros, stop);
    return XPointerMovedAway(pointerPosition(), expected, tolerance);
}
