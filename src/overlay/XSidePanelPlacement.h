#pragma once

#include <QRect>

// Where the side panel goes while the grid is edited: beside the grid, never across it, on
// the screen. Right of it when there is room, else left, else below, else above; only when
// no side has room does it lie over the grid, at the screen's right edge.
QRect XSidePanelArea(const QRect& grid, const QSize& panel, const QRect& screen);
