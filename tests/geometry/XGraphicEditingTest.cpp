#include "GeometryExpectations.h"

namespace {
// The grid most examples use: (10, 10, 130, 30), rows and columns 10 apart.
XGraphic smallGrid()
{
    return rouletteGraphic(XMakeGraphicRect(QRectF(10, 10, 130, 30)));
}

XGraphicHandlePosition grab(const XGraphic& g, QPointF at)
{
    const XGraphicHandlePosition handle = g.handleGapPositionAtPoint(at);
    EXPECT_GE(handle.gapNumber, 0) << "no gap handle at (" << at.x() << ", " << at.y() << ")";
    return handle;
}
} // namespace

// Catches gap handles off the lines they move.
TEST(XGraphicHandles, GapHandlesSitWhereInnerLinesMeetTheEdges)
{
    const XGraphic g = smallGrid();
    const auto handles = g.handleGaps();
    ASSERT_EQ(handles.size(), 28u);
    const std::tuple<std::size_t, unsigned, QPointF> expected[] = {{0, XHandleLeft, {10, 20}},
                                                                   {1, XHandleRight, {140, 20}},
                                                                   {4, XHandleTop, {20, 10}},
                                                                   {5, XHandleBottom, {20, 40}}};
    for (const auto& [i, position, at] : expected) {
        EXPECT_EQ(handles[i].positon, position) << i;
        EXPECT_EQ(handles[i].gapNumber, 1) << i;
        expectNear(handles[i].handlePoint, at);
    }
    EXPECT_TRUE(XGraphic().handleGaps().empty()); // no lines yet
}

// Catches a press taking the wrong handle where handles' boxes meet or overlap.
TEST(XGraphicHandles, HitTestsUseHalfOpenBoxesAndFixedPriorities)
{
    const XGraphic g = smallGrid();
    // Top-left corner box is [5, 15) × [5, 15).
    EXPECT_EQ(g.handlePositionAtPoint({5, 5}), XHandleTop);
    EXPECT_EQ(g.handlePositionAtPoint({14.999, 14.999}), XHandleTop);
    EXPECT_EQ(g.handlePositionAtPoint({15, 12}), XHandleBody);
    EXPECT_EQ(g.handlePositionAtPoint({4.999, 12}), XHandleNone);
    EXPECT_EQ(g.handlePositionAtPoint({140, 40}), XHandleBottom);
    EXPECT_EQ(g.handlePositionAtPoint({139, 11}), XHandleRight);
    EXPECT_EQ(g.handlePositionAtPoint({10, 25}), XHandleZeroZone);
    EXPECT_EQ(g.handlePositionAtPoint({200, 200}), XHandleNone);
    // Gap boxes are half-open too, and tested in list order.
    EXPECT_EQ(g.handleGapPositionAtPoint({15, 10}).gapNumber, 1);
    EXPECT_EQ(g.handleGapPositionAtPoint({25, 10}).gapNumber, 2);
    EXPECT_EQ(g.handleGapPositionAtPoint({12, 12}).gapNumber, -1);
    // The zero-zone handle at (10, 25) is covered by the left gap handles of rows 1 and 2.
    EXPECT_EQ(g.handleGapPositionAtPoint({10, 25}).positon, XHandleLeft);
    EXPECT_EQ(g.handleGapPositionAtPoint({10, 25}).gapNumber, 2);
}

// Catches a gap measured from the moved line instead of the grab point.
TEST(XGraphicEditing, GapDragsOnTheUprightGrid)
{
    XGraphic g = smallGrid();
    g.setGapHandlePoint({23, 0}, grab(g, {20, 10}));
    EXPECT_DOUBLE_EQ(g.topGaps()[1], 3);
    g.calculateLinearEquations();
    expectNear(g.columnLines()[1]->crossPointWithLinearEquation(*g.rowLines()[0]), {23, 10});

    g.setGapHandlePoint({40, 25}, grab(g, {10, 20}));
    EXPECT_DOUBLE_EQ(g.leftGaps()[1], 5);
    g.calculateLinearEquations();
    // The upright row construction subtracts the gap: the left end is drawn at y 15.
    expectNear(g.rowLines()[1]->crossPointWithLinearEquation(*g.columnLines()[0]), {10, 15});

    // During a drag the gap is measured from the grab point, not from the moved line.
    XGraphic h = smallGrid();
    const XGraphicHandlePosition bottom = grab(h, {30, 40});
    h.setGapHandlePoint({32, 45}, bottom);
    h.calculateLinearEquations();
    h.setGapHandlePoint({27, 50}, bottom);
    EXPECT_DOUBLE_EQ(h.bottomGaps()[2], -3);
}

// Catches a corner or body move that changes other corners, the gaps or the zero zone.
TEST(XGraphicEditing, CornersAndBodyMove)
{
    XGraphic g = smallGrid();
    g.setLeftGaps({0, 1, 2, 0});
    g.setZeroZoneWidth(3);
    g.setPoint({0, 50}, XHandleLeft);
    expectNear(g.graphicRect().leftPoint, {0, 50});
    expectNear(g.graphicRect().topPoint, {10, 10});
    g.moveXBy(5, -3);
    expectNear(g.graphicRect().topPoint, {15, 7});
    expectNear(g.graphicRect().leftPoint, {5, 47});
    expectNear(g.graphicRect().bottomPoint, {145, 37});
    expectNear(g.graphicRect().rightPoint, {145, 7});
    EXPECT_EQ(g.leftGaps(), (XGapArray{0, 1, 2, 0}));
    EXPECT_EQ(g.zeroZoneWidth(), 3);
    g.setPoint({1, 1}, XHandleBody);
    g.setPoint({1, 1}, XHandleNone);
    expectNear(g.graphicRect().topPoint, {15, 7});
}

// Catches the zero handle moving the number columns.
TEST(XGraphicEditing, ZeroZoneEdgeOnAVerticalLeftEdgeKeepsTheNumberColumns)
{
    XGraphic g = smallGrid();
    g.setPoint({4, 25}, XHandleZeroZone);
    EXPECT_DOUBLE_EQ(g.zeroZoneWidth(), 6);
    expectNear(g.graphicRect().topPoint, {4, 10});
    expectNear(g.graphicRect().leftPoint, {4, 40});
    g.calculateLinearEquations();
    for (std::size_t j = 1; j <= 13; ++j) {
        const auto& line = *g.columnLines()[j];
        EXPECT_NEAR(-line.c / line.a, 10 + 10.0 * static_cast<double>(j), 1e-9) << j;
    }
}

// Catches a flat top edge left flat, where the parallel construction divides by zero.
TEST(XGraphicEditing, ZeroZoneEdgeWithAFlatTopNudgesTheCornerOffTheHorizontal)
{
    XGraphic g = rouletteGraphic({{100, 100}, {90, 400}, {700, 400}, {700, 100}});
    g.setPoint({85, 250}, XHandleZeroZone);
    // Both outer rows were flat: the corners were lowered by half a point before the
    // edge was moved, so the zero zone is no longer an exact parallel strip of the old edge.
    EXPECT_GT(g.zeroZoneWidth(), 0);
    EXPECT_NEAR(g.graphicRect().topPoint.y(), 100.5, 0.05);
    EXPECT_NEAR(g.graphicRect().leftPoint.y(), 400.5, 0.05);
    EXPECT_LT(g.graphicRect().topPoint.x(), 100);
}
