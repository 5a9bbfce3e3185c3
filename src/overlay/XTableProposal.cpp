#include "XTableProposal.h"

#include "XTableFinder.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr std::size_t kRows = 3;
constexpr std::size_t kColumns = 13;
// Room around the table for the corner handles and the grip, logical pixels.
constexpr double kWindowMargin = 24;

// Where a line of the grid meets the two edges it runs between.
using LineEnds = std::function<std::pair<QPointF, QPointF>()>;

std::pair<QPointF, QPointF> columnEnds(const XGraphic& g, std::size_t j)
{
    const XLinearEquation& line = *g.columnLines()[j];
    return {line.crossPointWithLinearEquation(*g.rowLines().front()),
            line.crossPointWithLinearEquation(*g.rowLines().back())};
}

std::pair<QPointF, QPointF> rowEnds(const XGraphic& g, std::size_t i)
{
    const XLinearEquation& line = *g.rowLines()[i];
    return {line.crossPointWithLinearEquation(*g.columnLines().front()),
            line.crossPointWithLinearEquation(*g.columnLines().back())};
}

void computeLines(XGraphic& g)
{
    g.calculateLinearEquations();
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// The grid's own formulas decide how a gap moves a line's end; rather than invert them,
// find the gaps by Newton steps on the ends the grid computes (the map is nearly linear,
// so three or four steps reach a thousandth of a pixel).
void solveGaps(XGapArray& first, XGapArray& second, std::size_t index, const LineEnds& ends,
               QPointF wantFirst, QPointF wantSecond)
{
    const auto endsFor = [&](double a, double b) {
        first[index] = a;
        second[index] = b;
        return ends();
    };
    double a = 0, b = 0;
    for (int step = 0; step < 6; ++step) {
        const auto here = endsFor(a, b);
        const auto alongA = endsFor(a + 1, b);
        const auto alongB = endsFor(a, b + 1);
        // How one unit of each gap moves each end, and the error, both along the edges.
        const QPointF dFirstA = alongA.first - here.first, dSecondA = alongA.second - here.second;
        const QPointF dFirstB = alongB.first - here.first, dSecondB = alongB.second - here.second;
        const QPointF eFirst = wantFirst - here.first, eSecond = wantSecond - here.second;
        // Least squares on the two ends: J^T J · step = J^T e.
        const double j11 = dot(dFirstA, dFirstA) + dot(dSecondA, dSecondA);
        const double j12 = dot(dFirstA, dFirstB) + dot(dSecondA, dSecondB);
        const double j22 = dot(dFirstB, dFirstB) + dot(dSecondB, dSecondB);
        const double r1 = dot(dFirstA, eFirst) + dot(dSecondA, eSecond);
        const double r2 = dot(dFirstB, eFirst) + dot(dSecondB, eSecond);
        const double det = j11 * j22 - j12 * j12;
        if (!(std::abs(det) > 1e-12))
            break;
        const double stepA = (r1 * j22 - r2 * j12) / det;
        const double stepB = (r2 * j11 - r1 * j12) / det;
        a += stepA;
        b += stepB;
        if (std::abs(stepA) < 1e-4 && std::abs(stepB) < 1e-4)
            break;
    }
    endsFor(a, b);
}
} // namespace

XGridWindowData XProposeGridWindowData(const XFoundTable& table, const XScreenInfo& monitor,
                                       const XGridWindowData& current)
{
    // Picture pixels to global logical coordinates.
    const double ratio = monitor.devicePixelRatio > 0 ? monitor.devicePixelRatio : 1.0;
    const QPointF origin = monitor.geometry.topLeft();
    const auto logical = [&](QPointF device) { return origin + device / ratio; };

    const QPointF corners[] = {logical(table.columnTop.front()), logical(table.columnBottom.front()),
                               logical(table.columnBottom.back()), logical(table.columnTop.back())};
    // By hand: QRectF::united passes over empty rectangles, and a point is one.
    QPointF least = corners[0], most = corners[0];
    for (QPointF p : corners) {
        least = QPointF(std::min(least.x(), p.x()), std::min(least.y(), p.y()));
        most = QPointF(std::max(most.x(), p.x()), std::max(most.y(), p.y()));
    }
    const QRectF box(least, most);
    QRectF frame = box.adjusted(-kWindowMargin, -kWindowMargin, kWindowMargin, kWindowMargin);
    frame = frame.intersected(monitor.geometry);
    // Whole logical pixels: the window's area is set in them.
    frame = QRectF(QPointF(std::floor(frame.left()), std::floor(frame.top())),
                   QPointF(std::ceil(frame.right()), std::ceil(frame.bottom())));
    const auto view = [&](QPointF device) { return logical(device) - frame.topLeft(); };

    XGraphic g;
    g.setRowCount(kRows);
    g.setColumnCount(kColumns);
    g.setZeroZoneWidth(0);
    g.setGraphicRect({view(table.columnTop.front()), view(table.columnBottom.front()),
                      view(table.columnBottom.back()), view(table.columnTop.back())});
    computeLines(g);

    XGapArray top = g.topGaps(), bottom = g.bottomGaps(), left = g.leftGaps(), right = g.rightGaps();
    const auto withGaps = [&] {
        g.setTopGaps(top);
        g.setBottomGaps(bottom);
        g.setLeftGaps(left);
        g.setRightGaps(right);
        computeLines(g);
    };
    for (std::size_t i = 1; i < kRows; ++i) {
        solveGaps(left, right, i,
                  [&] {
                      withGaps();
                      return rowEnds(g, i);
                  },
                  view(table.rowLeft[i]), view(table.rowRight[i]));
    }
    for (std::size_t j = 1; j < kColumns; ++j) {
        solveGaps(top, bottom, j,
                  [&] {
                      withGaps();
                      return columnEnds(g, j);
                  },
                  view(table.columnTop[j]), view(table.columnBottom[j]));
    }
    withGaps();

    XGridWindowData data = current;
    data.windowFrame = frame;
    data.graphicRect = g.graphicRect();
    data.graphicZeroZoneWidth = 0;
    data.topGaps = top;
    data.bottomGaps = bottom;
    data.leftGaps = left;
    data.rightGaps = right;
    return data;
}
