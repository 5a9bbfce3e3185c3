#include "MappedView.h"

// Catches a point past the last cell taken as a cell's, not the view's top-left corner.
TEST(ScreenMapping, PastTheLastCellTheViewsTopLeftCorner)
{
    MappedView m;
    expectPoint(m.view.screenCenterPointForIndex(37), 100, 100);
}

// Catches clicks at logical points or in the view's pixels, rounded, or mapped by the monitor under the cell.
TEST(ScreenMapping, DevicePixelsAtFractionalScaleAndOnASecondMonitor)
{
    MappedView m;
    m.platform.setScreens({{QRectF(0, 0, 1280, 720), 1.5}});
    expectPoint(m.view.screenCenterPointForIndex(0), 187.5, 210);
    // The view on a 2× monitor right of a 1× one, whose origin Qt keeps unscaled, across the
    // border with its centre on the 2× monitor: Qt shows the window's left part at that
    // monitor's scale too, so a cell over the 1× monitor's logical area maps by it.
    m.platform.setScreens({{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 2.0}});
    m.platform.setWindowFrame(m.view, QRectF(1800, 100, 800, 600));
    expectPoint(m.view.screenCenterPointForIndex(0), 1920 + (1825 - 1920) * 2, 280);
}
