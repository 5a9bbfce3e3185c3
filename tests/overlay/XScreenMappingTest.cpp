#include "overlay/XGridWindowMainView.h"
#include "platform/XFakePlatform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace {
// A view whose cell 0 has the bounding box (10, 20, 30, 40).
struct MappedView
{
    XFakePlatform platform;
    XGridWindowMainView view{platform, QRect(0, 0, 800, 600)};

    MappedView()
    {
        view.graphic().setGraphicRect(XMakeGraphicRect(QRectF(10, 20, 390, 40)));
        view.graphic().calculateRowLinearEquations();
        view.graphic().calculateColumnLinearEquations();
        // A window at (100, 200, 800, 600) above a bottom-left origin on a 900-high
        // screen has its top edge at y 100.
        platform.setWindowFrame(view, QRectF(100, 100, 800, 600));
    }
};

void expectPoint(QPointF actual, double x, double y)
{
    EXPECT_DOUBLE_EQ(actual.x(), x);
    EXPECT_DOUBLE_EQ(actual.y(), y);
}
} // namespace

TEST(ScreenMapping, CellCentreOffsetByTheViewsPlaceOnTheScreen)
{
    MappedView m;
    expectPoint(m.view.screenCenterPointForIndex(0), 125, 140);
    // Past the last cell: the zero box, so the view's top-left corner.
    expectPoint(m.view.screenCenterPointForIndex(37), 100, 100);
}

TEST(ScreenMapping, DevicePixelsAtFractionalAndDoubleScaleAndOnASecondMonitor)
{
    MappedView m;
    m.platform.setScreens({{QRectF(0, 0, 1280, 720), 1.5}});
    expectPoint(m.view.screenCenterPointForIndex(0), 187.5, 210);
    m.platform.setScreens({{QRectF(0, 0, 960, 540), 2.0}});
    expectPoint(m.view.screenCenterPointForIndex(0), 250, 280);
    // The view on a 2× monitor right of a 1× one, whose origin Qt keeps unscaled.
    m.platform.setScreens({{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 2.0}});
    m.platform.setWindowFrame(m.view, QRectF(2000, 100, 800, 600));
    expectPoint(m.view.screenCenterPointForIndex(0), 1920 + (2025 - 1920) * 2, 280);
}

TEST(ScreenMapping, OtherThreadsReadAConsistentPublishedMappingWhileTheGridIsEdited)
{
    MappedView m;
    m.view.refreshScreenMapping();
    std::atomic<bool> done{false};
    std::atomic<int> bad{0};
    std::thread reader([&] {
        while (!done) {
            const QPointF p = m.view.screenCenterPointForIndex(0);
            // Every published grid is the same cell shape moved along x.
            if (!std::isfinite(p.x()) || p.y() != 140)
                ++bad;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        m.view.graphic().moveXBy(1, 0);
        m.view.graphic().calculateRowLinearEquations();
        m.view.graphic().calculateColumnLinearEquations();
        m.view.refreshScreenMapping();
    }
    done = true;
    reader.join();
    EXPECT_EQ(bad, 0);
    expectPoint(m.view.screenCenterPointForIndex(0), 2125, 140);
}
