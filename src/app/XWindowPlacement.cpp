#include "XWindowPlacement.h"

#include "overlay/XAreaFit.h"

#include <algorithm>

namespace {
constexpr int kGap = 8;
// Lower than this the grid's rows crowd; the user enlarges it when fitting it anyway.
constexpr int kMinimumGridHeight = 72;

// The main window at a height, below the grid and centred under it.
QRect below(const QRect& available, const QRect& grid, const QSize& mainSize, int height)
{
    const int width = std::min(mainSize.width(), available.width());
    const int x = XClampedStart(grid.center().x() - width / 2, width, available.left(), available.width());
    return QRect(x, grid.bottom() + 1 + kGap, width, height);
}
} // namespace

XWindowPlacement XPlaceWindowsApart(const QRect& available, QRect gridFrame, const QSize& mainSize,
                                    const QSize& mainMinimumSize)
{
    gridFrame.setSize(gridFrame.size().boundedTo(available.size()));
    if (!available.contains(gridFrame.center()))
        gridFrame.moveTopLeft(QPoint(available.center().x() - gridFrame.width() / 2, available.top()));
    gridFrame = XKeptInside(gridFrame, available);

    const int roomBelow = available.bottom() - gridFrame.bottom() - kGap;
    if (roomBelow >= mainMinimumSize.height())
        return {gridFrame, below(available, gridFrame, mainSize, std::min(mainSize.height(), roomBelow))};

    const int roomRight = available.right() - gridFrame.right() - kGap;
    const int roomLeft = gridFrame.left() - available.left() - kGap;
    if (std::max(roomRight, roomLeft) >= mainMinimumSize.width()) {
        const bool right = roomRight >= roomLeft;
        const int width = std::min(mainSize.width(), right ? roomRight : roomLeft);
        const int height = std::min(mainSize.height(), available.height());
        const int x = right ? gridFrame.right() + 1 + kGap : gridFrame.left() - kGap - width;
        const int y = XClampedStart(gridFrame.top(), height, available.top(), available.height());
        return {gridFrame, QRect(x, y, width, height)};
    }

    // A grid fitted low on the screen, with no room beside it: the main window above it.
    const int roomAbove = gridFrame.top() - available.top() - kGap;
    if (roomAbove >= mainMinimumSize.height()) {
        const int height = std::min(mainSize.height(), roomAbove);
        const QRect under = below(available, gridFrame, mainSize, height);
        return {gridFrame, QRect(under.left(), gridFrame.top() - kGap - height, under.width(), height)};
    }

    // Not enough room as it is: the grid goes to the top and gives up height first, so that
    // the main window shows its panels without scrolling; the grid is fitted to the table
    // later anyway. The main window gives up height only below the grid's smallest.
    const int mainHeight =
        std::clamp(available.height() - kGap - kMinimumGridHeight, mainMinimumSize.height(),
                   std::max(mainMinimumSize.height(), mainSize.height()));
    const int gridHeight = available.height() - kGap - mainHeight;
    if (gridHeight >= kMinimumGridHeight) {
        gridFrame.moveTop(available.top());
        gridFrame.setHeight(std::min(gridFrame.height(), gridHeight));
        return {gridFrame, below(available, gridFrame, mainSize, mainHeight)};
    }
    // A screen too small for both: the main window at the bottom, over as little grid as can be.
    const QSize size = mainSize.boundedTo(available.size());
    QRect main(QPoint(0, 0), size);
    main.moveBottom(available.bottom());
    main.moveLeft(XClampedStart(gridFrame.center().x() - size.width() / 2, size.width(), available.left(),
                               available.width()));
    return {gridFrame, main};
}
