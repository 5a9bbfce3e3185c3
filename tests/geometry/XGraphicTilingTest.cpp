// Property test: on any convex grid the 37 cells tile the quadrilateral in the roulette
// layout, whatever the corners, the zero zone and the gaps.
#include "GeometryExpectations.h"

#include <random>

namespace {
double cross(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Shoelace area, positive for corners in the grid's order (down, right, up) in y-down
// coordinates.
double area(const XGraphicRectStruct& q)
{
    const QPointF p[4] = {q.topPoint, q.leftPoint, q.bottomPoint, q.rightPoint};
    double sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += p[i].x() * p[(i + 1) % 4].y() - p[(i + 1) % 4].x() * p[i].y();
    return -sum / 2;
}

bool isConvex(const XGraphicRectStruct& q)
{
    const QPointF p[4] = {q.topPoint, q.leftPoint, q.bottomPoint, q.rightPoint};
    for (int i = 0; i < 4; ++i) {
        if (cross(p[i], p[(i + 1) % 4], p[(i + 2) % 4]) >= 0)
            return false;
    }
    return true;
}

struct RandomGrid
{
    XGraphicRectStruct corners;
    double zeroZoneWidth;
};

RandomGrid randomConvexGrid(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> origin(-500, 1500), width(130, 1800), height(30, 600), unit(-1, 1);
    for (;;) {
        const double x = origin(random), y = origin(random), w = width(random), h = height(random);
        const double wobble = 0.2 * std::min(w / 13, h);
        const auto jitter = [&] { return QPointF(unit(random) * wobble, unit(random) * wobble); };
        const XGraphicRectStruct q{QPointF(x, y) + jitter(), QPointF(x, y + h) + jitter(),
                                   QPointF(x + w, y + h) + jitter(), QPointF(x + w, y) + jitter()};
        if (isConvex(q))
            return {q, unit(random) > 0 ? 0.0 : (unit(random) + 1) * w / 26};
    }
}
} // namespace

// Catches cells that overlap, leave holes or run out of roulette order on any convex grid.
TEST(XGraphicTiling, CellsTileRandomConvexGridsInRouletteOrder)
{
    std::mt19937_64 random(20261206);
    for (int trial = 0; trial < 500; ++trial) {
        const RandomGrid grid = randomConvexGrid(random);
        XGraphic g = rouletteGraphic(grid.corners);
        g.setZeroZoneWidth(grid.zeroZoneWidth);
        g.calculateLinearEquations();
        SCOPED_TRACE(testing::Message()
                     << "trial " << trial << "\n"
                     << g.graphicRectDescription().toStdString() << "zero zone " << grid.zeroZoneWidth);

        const double tolerance = 1e-9 * area(grid.corners);
        std::vector<XGraphicRectStruct> cells;
        for (std::size_t k = 0; k < 37; ++k) {
            cells.push_back(g.graphicRectForIndex(k));
            EXPECT_GT(area(cells.back()), 0) << "cell " << k;
        }
        for (std::size_t k = 1; k <= 36; ++k) {
            const XGraphicRectStruct& cell = cells[k];
            const bool top = k % 3 == 0, bottom = (k - 1) % 3 == 0;
            // Neighbours share corners (and, as every cell keeps the grid's turn, lie beyond
            // the shared edge): the next column on the right…
            if (k + 3 <= 36) {
                expectNear(cells[k + 3].topPoint, cell.rightPoint, tolerance);
                expectNear(cells[k + 3].leftPoint, cell.bottomPoint, tolerance);
            }
            // …and the row above within a column.
            if (!top) {
                expectNear(cells[k + 1].leftPoint, cell.topPoint, tolerance);
                expectNear(cells[k + 1].bottomPoint, cell.rightPoint, tolerance);
            }
            // The first number column borders the zero cell, the outer rows the edges.
            if (k <= 3) {
                if (bottom)
                    expectNear(cell.leftPoint, cells[0].bottomPoint, tolerance);
                if (top)
                    expectNear(cell.topPoint, cells[0].rightPoint, tolerance);
            }
        }
    }
}
