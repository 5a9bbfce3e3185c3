#include "platform/XScreenInfo.h"

#include <gtest/gtest.h>

namespace {
void expectPoint(QPointF actual, double x, double y)
{
    EXPECT_DOUBLE_EQ(actual.x(), x);
    EXPECT_DOUBLE_EQ(actual.y(), y);
}
} // namespace

TEST(LogicalToDevicePoint, ScalesAboutTheOriginOfTheMonitorHoldingThePoint)
{
    // Two monitors side by side: a 1× one, and a 2× one whose origin Qt keeps unscaled.
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1920, 1080), 1.0},
                                           {QRectF(1920, 0, 1280, 720), 2.0}};
    expectPoint(XLogicalToDevicePoint({125, 140}, screens), 125, 140);
    expectPoint(XLogicalToDevicePoint({2025, 140}, screens), 1920 + 105 * 2, 280);
    // The right and bottom borders belong to the next monitor, or to none.
    expectPoint(XLogicalToDevicePoint({1920, 10}, screens), 1920, 20);
}

TEST(LogicalToDevicePoint, FractionalRatiosAreNotRoundedAndOffScreenPointsUseTheNearestMonitor)
{
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1280, 720), 1.5}};
    expectPoint(XLogicalToDevicePoint({125, 140}, screens), 187.5, 210);
    expectPoint(XLogicalToDevicePoint({-10, 800}, screens), -15, 1200);
    expectPoint(XLogicalToDevicePoint({3, 4}, {}), 3, 4);
}
