#pragma once

#include <QRect>

// Where the grid's window and the main window go when nothing is stored yet: the main
// window below the grid, else beside it, both inside `available` (the work area of the
// screen that holds the pointer). Frames include title bars and borders.
struct XWindowPlacement
{
    // The grid moves onto the screen when it lies elsewhere, and is made lower only when
    // the main window at its smallest would not fit below it otherwise.
    QRect gridFrame;
    // Overlaps the grid only when the screen has no room for both.
    QRect mainFrame;
};

XWindowPlacement XPlaceWindowsApart(const QRect& available, QRect gridFrame, const QSize& mainSize,
                                    const QSize& mainMinimumSize);
