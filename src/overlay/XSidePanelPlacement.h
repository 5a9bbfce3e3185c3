#pragma once

#include <QRect>
#include <QRegion>

// Where the side panel goes while the grid is edited, all of it on the screen. Beside the
// grid's window when a side has room: right of it, else left, below, above. Else, at its
// smallest height, it lies over the part of the screen farthest from what must stay in
// sight (`keepClear`: the grid's lines and handles, the window's grip and title), narrower
// down to its smallest width if that keeps it off them; covering as little of them as the
// screen allows, then as little of the window's box.
QRect XSidePanelArea(const QRect& window, const QSize& panel, const QSize& smallest, const QRegion& keepClear,
                     const QRect& screen);
