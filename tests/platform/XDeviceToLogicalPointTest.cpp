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

TEST(WindowOnMonitors, AWindowsPointsMapByTheMonitorUnderItsCentre)
{
    // 1× left, 1.5× right; Qt places a whole window by the monitor under its centre.
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1920, 1080), 1.0},
                                           {QRectF(1920, 0, 1280, 720), 1.5}};
    struct Case
    {
        QRectF frame;
        QPointF local;
        QPointF device;
    };
    for (const Case& c : {Case{{100, 50, 400, 250}, {10, 10}, {110, 60}},
                          Case{{2000, 50, 400, 250}, {10, 10}, {1920 + 90 * 1.5, 90}},
                          // Across the border, centre on the right: its left part too is 1.5×.
                          Case{{1800, 50, 400, 250}, {10, 10}, {1920 - 110 * 1.5, 90}},
                          // Centre on the left: all of it 1×.
                          Case{{1700, 50, 400, 250}, {390, 10}, {2090, 60}}}) {
        const QPointF device = XWindowPointToDevice(c.frame, c.local, screens);
        EXPECT_DOUBLE_EQ(device.x(), c.device.x()) << c.frame.x();
        EXPECT_DOUBLE_EQ(device.y(), c.device.y()) << c.frame.x();
        // And the top-left that shows that point there is the window's own.
        const QPointF topLeft = XWindowTopLeftShowing(c.local, device, c.frame.size(), screens);
        EXPECT_NEAR(topLeft.x(), c.frame.x(), 1e-9);
        EXPECT_NEAR(topLeft.y(), c.frame.y(), 1e-9);
    }
}
