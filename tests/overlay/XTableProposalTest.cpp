#include "overlay/XTableProposal.h"
#include "SampleGridLayout.h"
#include "overlay/XTableFinder.h"
#include "overlay/XTableFinding.h"

#include <gtest/gtest.h>

namespace {
XGraphic graphicOf(const XGridWindowData& d)
{
    XGraphic g;
    g.setRowCount(3);
    g.setColumnCount(13);
    g.setGraphicRect(d.graphicRect);
    g.setZeroZoneWidth(d.graphicZeroZoneWidth);
    g.setTopGaps(d.topGaps);
    g.setBottomGaps(d.bottomGaps);
    g.setLeftGaps(d.leftGaps);
    g.setRightGaps(d.rightGaps);
    g.calculateLinearEquations();
    return g;
}

// What a finder reports for the table this layout fits, in the monitor picture's pixels.
XFoundTable tableOf(const XGridWindowData& d, const XScreenInfo& monitor)
{
    const XGraphic g = graphicOf(d);
    const auto device = [&](QPointF view) {
        return (view + d.windowFrame.topLeft() - monitor.geometry.topLeft()) * monitor.devicePixelRatio;
    };
    XFoundTable t;
    for (std::size_t j = 0; j < 14; ++j) {
        t.columnTop[j] = device(g.columnLines()[j]->crossPointWithLinearEquation(*g.rowLines()[0]));
        t.columnBottom[j] = device(g.columnLines()[j]->crossPointWithLinearEquation(*g.rowLines()[3]));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        t.rowLeft[i] = device(g.rowLines()[i]->crossPointWithLinearEquation(*g.columnLines()[0]));
        t.rowRight[i] = device(g.rowLines()[i]->crossPointWithLinearEquation(*g.columnLines()[13]));
    }
    return t;
}

struct Pose
{
    const char* name;
    XGraphicRectStruct corners;
    double zeroZone;
    XScreenInfo monitor;
};
} // namespace

// Catches a cell proposed off the table: pixels taken as logical, wrong origin, gap or zero column.
TEST(TableProposal, EveryCellLandsWhereTheFoundTableHasItOnAnyMonitorAndPose)
{
    const std::vector<Pose> poses = {
        {"tilted, zero column wider",
         {{20, 20}, {15, 280}, {700, 285}, {705, 25}},
         7.5,
         {QRectF(0, 0, 1920, 1080), 1.0}},
        {"leaning left, 1.5x second monitor",
         {{30, 40}, {20, 280}, {690, 300}, {720, 25}},
         12,
         {QRectF(1920, 0, 1280, 720), 1.5}},
        {"perspective, 2x", {{60, 20}, {10, 290}, {720, 290}, {660, 20}}, 4, {QRectF(0, 0, 960, 540), 2.0}},
    };
    for (const Pose& pose : poses) {
        SCOPED_TRACE(pose.name);
        XGridWindowData truth = XSampleGridLayout(pose.monitor.geometry.left() + 40);
        truth.graphicRect = pose.corners;
        truth.graphicZeroZoneWidth = pose.zeroZone;
        const XGridWindowData proposal =
            XProposeGridWindowData(tableOf(truth, pose.monitor), pose.monitor, XGridWindowData{});

        // The window holds the whole grid, with room for the handles, on the monitor.
        EXPECT_TRUE(pose.monitor.geometry.contains(proposal.windowFrame));
        const QRectF inner = proposal.windowFrame.adjusted(10, 10, -10, -10);
        for (QPointF corner : {pose.corners.topPoint, pose.corners.leftPoint, pose.corners.bottomPoint,
                               pose.corners.rightPoint})
            EXPECT_TRUE(inner.contains(corner + truth.windowFrame.topLeft()));
        const XGraphic want = graphicOf(truth), got = graphicOf(proposal);
        for (std::size_t cell = 0; cell < 37; ++cell) {
            const XGraphicRectStruct a = want.graphicRectForIndex(cell), b = got.graphicRectForIndex(cell);
            const QPointF wantCorners[] = {a.topPoint, a.leftPoint, a.bottomPoint, a.rightPoint};
            const QPointF gotCorners[] = {b.topPoint, b.leftPoint, b.bottomPoint, b.rightPoint};
            for (int k = 0; k < 4; ++k) {
                const QPointF error = (gotCorners[k] + proposal.windowFrame.topLeft()) -
                                      (wantCorners[k] + truth.windowFrame.topLeft());
                EXPECT_LT(error.manhattanLength(), 0.01) << "cell " << cell << " corner " << k;
            }
        }
    }
}

// Catches a second table taking the grid away from the one the user laid it near.
TEST(TableProposal, OfTwoTablesTheOneNearestTheGrid)
{
    const XScreenInfo monitor{QRectF(0, 0, 1920, 1080), 1.0};
    XGridWindowData left = XSampleGridLayout(20), right = XSampleGridLayout(1000);
    XTableSearch search;
    search.tables = {tableOf(left, monitor), tableOf(right, monitor)};
    const auto proposal = XTableFinding::proposalFor(search, monitor, XSampleGridLayout(900));
    ASSERT_TRUE(proposal);
    EXPECT_GT(proposal->windowFrame.left(), 900);
    EXPECT_FALSE(XTableFinding::proposalFor(XTableSearch{}, monitor, left));
}
