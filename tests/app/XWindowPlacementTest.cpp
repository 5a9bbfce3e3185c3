#include "app/XWindowPlacement.h"

#include <gtest/gtest.h>

namespace {
const QSize kMain(1500, 640);
const QSize kMainSmallest(900, 420);
} // namespace

// Catches the main window put over the grid or off the screen.
TEST(XWindowPlacement, TheMainWindowGoesBelowTheGridWhenThereIsRoomElseAboveIt)
{
    const QRect screen(0, 0, 1920, 1080);
    const QRect grid(460, 40, 1000, 340);
    XWindowPlacement placed = XPlaceWindowsApart(screen, grid, kMain, kMainSmallest);
    EXPECT_EQ(placed.gridFrame, grid);
    EXPECT_EQ(placed.mainFrame.size(), kMain);
    EXPECT_GT(placed.mainFrame.top(), grid.bottom());
    EXPECT_TRUE(screen.contains(placed.mainFrame));

    // A grid fitted at the bottom of a screen without room beside it: above it, the grid kept.
    const QRect bottom(20, 900, 1800, 150);
    placed = XPlaceWindowsApart(screen, bottom, kMain, kMainSmallest);
    EXPECT_EQ(placed.gridFrame, bottom);
    EXPECT_LT(placed.mainFrame.bottom(), bottom.top());
    EXPECT_TRUE(screen.contains(placed.mainFrame));
}

// Catches overlapping windows, or a main window cut, on a small screen, and windows left on a
// monitor the user is not looking at (the grid made on the first, the pointer on the second).
TEST(XWindowPlacement, OnASmallScreenBothGiveUpHeightAndStayApartOnTheScreenOfThePointer)
{
    for (const QRect& screen : {QRect(0, 0, 1280, 720), QRect(0, 0, 960, 540), QRect(1920, 0, 1920, 1080)}) {
        const QRect grid(QPoint(screen.width() / 2 - 460, 40), QSize(920, 340));
        const XWindowPlacement placed = XPlaceWindowsApart(screen, grid, kMain, QSize(900, 400));
        EXPECT_FALSE(placed.gridFrame.intersects(placed.mainFrame)) << screen.width();
        EXPECT_TRUE(screen.contains(placed.gridFrame));
        EXPECT_TRUE(screen.contains(placed.mainFrame));
        EXPECT_GE(placed.mainFrame.height(), 400);
        EXPECT_EQ(placed.gridFrame.width(), grid.width());
    }
    // No room for both: the main window stays whole on the screen, at its bottom.
    const QRect tiny(0, 0, 800, 450);
    const XWindowPlacement placed = XPlaceWindowsApart(tiny, QRect(0, 0, 700, 300), kMain, QSize(700, 420));
    EXPECT_TRUE(tiny.contains(placed.mainFrame));
    EXPECT_EQ(placed.mainFrame.bottom(), tiny.bottom());
}
