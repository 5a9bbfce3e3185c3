#include "bets/XClickablePoint.h"

#include <gtest/gtest.h>

#include <limits>

// Catches a point on no monitor (a border, a gap between monitors, NaN, infinity) clicked.
TEST(XClickablePoint, OnlyFinitePointsInsideAMonitorAreClickable)
{
    // A 1920×1080 monitor and, right of it, a 1280×1024 one a little lower.
    const std::vector<QRectF> monitors{{0, 0, 1920, 1080}, {1920, 100, 1280, 1024}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        QPointF point;
        bool clickable;
    } cases[] = {
        {{0, 0}, true},        {{1919.5, 1079.5}, true}, {{1920, 100}, true},  {{3199, 1123}, true},
        {{1920, 50}, false},   {{3200, 500}, false},     {{100, 1080}, false}, {{-1, 10}, false},
        {{2000, 1124}, false}, {{nan, 10}, false},       {{10, -inf}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XPointIsOnAMonitor(c.point, monitors), c.clickable) << c.point.x() << "," << c.point.y();
    EXPECT_FALSE(XPointIsOnAMonitor({0, 0}, {}));
}
