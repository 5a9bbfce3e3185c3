#pragma once

#include <QImage>
#include <QSize>

#include <vector>

class QPainter;

// A desktop crowded with what could pass for table cells: windows, gradients, text, a toolbar
// of square buttons and a month calendar of 7 by 5 cells. The same `seed` paints the same.
void paintBusyDesktop(QPainter& painter, QSize size, unsigned seed);

class RouletteTable;

// The busy desktop with the tables on their felt, and a window over the felt at the left of the
// first table, stopping just short of its cells. `smooth`: the tables antialiased.
QImage desktopWithTables(QSize size, const std::vector<RouletteTable>& tables, unsigned seed,
                         bool smooth = false);
