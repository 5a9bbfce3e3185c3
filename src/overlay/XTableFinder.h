#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

// A roulette table found on the screen, in device pixels of the searched image. Column line j
// (0..13) and row line i (0..3): column 0 is the table's left edge, 1 the right side of the
// zero cell, 13 the right edge; row 0 the top edge. A line is the middle of the divider
// between two cells; an outer edge lies half a divider outside the outer cells.
struct XFoundTable
{
    std::array<QPointF, 14> columnTop; // column line j ∩ row line 0 (columnTop[0] is the top-left corner)
    std::array<QPointF, 14> columnBottom; // column line j ∩ row line 3
    std::array<QPointF, 4> rowLeft;       // row line i ∩ column line 0
    std::array<QPointF, 4> rowRight;      // row line i ∩ column line 13
};

struct XTableSearch
{
    std::vector<XFoundTable> tables; // largest first
    QString reason;                  // when none: what went wrong, in words for the user
};

// Finds every whole table in `image` (any format): a zero cell three cells tall, then twelve
// columns of three cells, in any colours, upright, turned or in perspective.
XTableSearch XFindTables(const QImage& image);
