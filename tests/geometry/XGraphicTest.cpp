#include "GeometryExpectations.h"

namespace {
XGraphic uprightGrid(double zeroZoneWidth = 0)
{
    XGraphic g = rouletteGraphic(XMakeGraphicRect(QRectF(0, 0, 130, 30)));
    g.setZeroZoneWidth(zeroZoneWidth);
    g.calculateLinearEquations();
    return g;
}

double verticalLineX(const std::optional<XLinearEquation>& line)
{
    EXPECT_TRUE(line && line->b == 0);
    return line ? -line->c / line->a : 0;
}
} // namespace

// Catches a zero zone that widens or shifts the number columns, and a 38th cell.
TEST(XGraphic, ZeroZoneWidensTheFirstColumnOnly)
{
    XGraphic g = uprightGrid(13);
    EXPECT_EQ(g.graphicCount(), 37u);
    EXPECT_TRUE(XIsZeroGraphicRect(g.graphicRectForIndex(37)));
    const std::vector<double> expected{0, 22, 31, 40, 49, 58, 67, 76, 85, 94, 103, 112, 121, 130};
    ASSERT_EQ(g.columnLines().size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_NEAR(verticalLineX(g.columnLines()[j]), expected[j], 1e-9) << "column line " << j;
    expectRect(g.maxRectForIndex(0), 0, 0, 22, 30);
}

// Catches a 1 × 1 grid whose cell count wraps around.
TEST(XGraphic, TinyGridsHaveNoCells)
{
    EXPECT_EQ(XGraphic().graphicCount(), 0u);
}

// Catches a leaning edge divided from the wrong corner.
TEST(XGraphic, LeaningLeftEdgeIsDividedDownwardFromTheTopCorner)
{
    // The right corner sits higher so that the general construction is taken.
    XGraphic g = rouletteGraphic({{100, 100}, {90, 400}, {600, 400}, {600, 90}});
    const auto& column0 = *g.columnLines()[0];
    const std::vector<QPointF> expected{{100, 100}, {290.0 / 3, 200}, {280.0 / 3, 300}, {90, 400}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        expectNear(g.rowLines()[i]->crossPointWithLinearEquation(column0), expected[i]);
}

// Catches the upright construction taken when only the sides are vertical.
TEST(XGraphic, VerticalSidesWithSlopingTopAndBottomTakeTheGeneralRows)
{
    XGraphic g = rouletteGraphic({{0, 0}, {0, 30}, {130, 40}, {130, 10}});
    for (std::size_t i = 0; i <= 3; ++i) {
        const auto& row = *g.rowLines()[i];
        EXPECT_NEAR(row.a, 1.0 / 13, 1e-12);
        EXPECT_NEAR(lineYAt(row, 0), 10.0 * static_cast<double>(i), 1e-9);
    }
    for (std::size_t j = 0; j <= 13; ++j)
        EXPECT_NEAR(verticalLineX(g.columnLines()[j]), 10.0 * static_cast<double>(j), 1e-9);
    const XGraphicRectStruct cell = g.graphicRectForIndex(1);
    expectNear(cell.topPoint, {10, 20 + 10.0 / 13});
    expectNear(cell.leftPoint, {10, 30 + 10.0 / 13});
    expectNear(cell.bottomPoint, {20, 30 + 20.0 / 13});
    expectNear(cell.rightPoint, {20, 20 + 20.0 / 13});
}

// Catches NaN cells from a collapsed grid, which would click nowhere.
TEST(XGraphic, DegenerateGridsGiveZeroCellsNotNaN)
{
    // All corners on one point: no line can be formed.
    XGraphic collapsed = rouletteGraphic({{5, 5}, {5, 5}, {5, 5}, {5, 5}});
    for (std::size_t k = 0; k < 37; ++k)
        EXPECT_TRUE(XIsZeroGraphicRect(collapsed.graphicRectForIndex(k))) << k;
    // The left edge collapsed to a point: its direction is undefined.
    XGraphic pinched = rouletteGraphic({{10, 10}, {10, 10}, {140, 40}, {140, 10}});
    for (std::size_t k = 0; k < 37; ++k) {
        const QRectF box = pinched.maxRectForIndex(k);
        EXPECT_TRUE(std::isfinite(box.x()) && std::isfinite(box.y()) && std::isfinite(box.width()) &&
                    std::isfinite(box.height()))
            << k;
    }
}
