#include "XSidePanelPlacement.h"

#include "XAreaFit.h"

QRect XSidePanelArea(const QRect& grid, const QSize& panel, const QRect& screen)
{
    // Alongside the grid, slid to stay on the screen.
    const int top = XClampedStart(grid.top(), panel.height(), screen.top(), screen.height());
    const int left = XClampedStart(grid.left(), panel.width(), screen.left(), screen.width());
    const QRect right(QPoint(grid.left() + grid.width(), top), panel);
    if (screen.contains(right))
        return right;
    const QRect onTheLeft(QPoint(grid.left() - panel.width(), top), panel);
    if (screen.contains(onTheLeft))
        return onTheLeft;
    const QRect below(QPoint(left, grid.top() + grid.height()), panel);
    if (screen.contains(below))
        return below;
    const QRect above(QPoint(left, grid.top() - panel.height()), panel);
    if (screen.contains(above))
        return above;
    return QRect(QPoint(screen.left() + screen.width() - panel.width(), top), panel);
}
