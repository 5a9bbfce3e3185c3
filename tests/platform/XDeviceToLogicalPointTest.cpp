#include "platform/XScreenInfo.h"

#include <gtest/gtest.h>

TEST(DeviceToLogicalPoint, UndoesTheScalingAboutTheOriginOfTheMonitorHoldingThePoint)
{
    // A 1× monitor and, right of it, a 2× one whose device area is twice its logical size.
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1920, 1080), 1.0},
                                           {QRectF(1920, 0, 1280, 720), 2.0}};
    for (const QPointF logical :
         {QPointF(125, 140), QPointF(2025, 140), QPointF(1920, 10), QPointF(3199, 719.5)}) {
        const QPointF device = XLogicalToDevicePoint(logical, screens);
        const QPointF back = XDeviceToLogicalPoint(device, screens);
        EXPECT_DOUBLE_EQ(back.x(), logical.x());
        EXPECT_DOUBLE_EQ(back.y(), logical.y());
    }
    // Device pixels beyond the logical size of the 2× monitor are still on it.
    EXPECT_EQ(XDeviceToLogicalPoint({1920 + 2000, 1400}, screens), QPointF(2920, 700));
    const std::vector<XScreenInfo> scaled{{QRectF(0, 0, 1280, 720), 1.5}};
    EXPECT_EQ(XDeviceToLogicalPoint({1800, 1050}, scaled), QPointF(1200, 700));
    EXPECT_EQ(XDeviceToLogicalPoint({-15, 1200}, scaled), QPointF(-10, 800));
    EXPECT_EQ(XDeviceToLogicalPoint({3, 4}, {}), QPointF(3, 4));
}
