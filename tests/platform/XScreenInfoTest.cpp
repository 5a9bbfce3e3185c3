#include "platform/XScreenInfo.h"

#include <gtest/gtest.h>

// Catches scaling about the wrong origin or by the wrong monitor, rounding, and no way back.
TEST(XScreenInfo, LogicalAndDevicePointsScaleAboutTheOriginOfTheMonitorHoldingThePoint)
{
    // A 1× monitor and, right of it, a 2× one whose origin Qt keeps unscaled.
    const std::vector<XScreenInfo> sideBySide{{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 2.0}};
    const std::vector<XScreenInfo> scaled{{QRectF(0, 0, 1280, 720), 1.5}};
    const std::vector<XScreenInfo> none;
    const struct
    {
        const std::vector<XScreenInfo>& screens;
        QPointF logical;
        QPointF device;
    } cases[] = {
        {sideBySide, {125, 140}, {125, 140}},
        {sideBySide, {2025, 140}, {1920 + 105 * 2, 280}},
        // The right and bottom borders belong to the next monitor, or to none.
        {sideBySide, {1920, 10}, {1920, 20}},
        {sideBySide, {3199, 719.5}, {1920 + 1279 * 2, 1439}},
        {scaled, {125, 140}, {187.5, 210}},
        // Off every monitor: the nearest one's scale.
        {scaled, {-10, 800}, {-15, 1200}},
        {none, {3, 4}, {3, 4}},
    };
    for (const auto& c : cases) {
        const QPointF device = XLogicalToDevicePoint(c.logical, c.screens);
        EXPECT_DOUBLE_EQ(device.x(), c.device.x()) << c.logical.x() << "," << c.logical.y();
        EXPECT_DOUBLE_EQ(device.y(), c.device.y()) << c.logical.x() << "," << c.logical.y();
        const QPointF back = XDeviceToLogicalPoint(c.device, c.screens);
        EXPECT_DOUBLE_EQ(back.x(), c.logical.x());
        EXPECT_DOUBLE_EQ(back.y(), c.logical.y());
    }
    // Device pixels beyond the logical size of the 2× monitor are still on it.
    EXPECT_EQ(XDeviceToLogicalPoint({1920 + 2000, 1400}, sideBySide), QPointF(2920, 700));
}

// Catches a window's points mapped by the monitor under each point, not under its centre.
TEST(XScreenInfo, AWindowsPointsMapByTheMonitorUnderItsCentre)
{
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 1.5}};
    struct Case
    {
        QRectF frame;
        QPointF local;
        QPointF device;
    };
    for (const Case& c : {Case{{100, 50, 400, 250}, {10, 10}, {110, 60}},
                          Case{{2000, 50, 400, 250}, {10, 10}, {1920 + 90 * 1.5, 90}},
                          // Across the border, centre on the right: its left side too is 1.5×.
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
