#pragma once

#include <QRect>

// Where a span of `length` starts that should start at `wanted` but lie within the span of
// `areaLength` from `areaStart`: moved the least that does it, at `areaStart` when it is the
// longer of the two.
int XClampedStart(int wanted, int length, int areaStart, int areaLength);

// `rect` no larger than `area`, moved the least that puts it inside.
QRect XKeptInside(QRect rect, const QRect& area);
