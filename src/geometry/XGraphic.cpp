#include "XGraphic.h"

#include <cmath>

namespace {
const auto kNoLines = std::make_shared<const XLineArray>();

// Gaps take part in the arithmetic at single precision; a missing entry counts as 0.
double gapAt(const XGapArray& gaps, std::size_t i)
{
    return i < gaps.size() ? static_cast<double>(static_cast<float>(gaps[i])) : 0.0;
}

// The point `distance` away from `origin` in the direction `angle`.
QPointF along(QPointF origin, double distance, double angle)
{
    return {origin.x() + distance * std::cos(angle), origin.y() + distance * std::sin(angle)};
}

const std::optional<XLinearEquation>* lineAt(const XLineArray& lines, std::size_t i)
{
    return i < lines.size() && lines[i] ? &lines[i] : nullptr;
}
} // namespace

XGraphic::XGraphic()
{
    setupGraphic();
}

XGraphic XGraphic::graphicWithGraphicRect(const XGraphicRectStruct& rect)
{
    XGraphic g;
    g.setGraphicRect(rect);
    return g;
}

void XGraphic::setupGraphic()
{
    setRowCount(1);
    setColumnCount(1);
    m_borderColor = Qt::black;
    m_graphicRect = XZeroGraphicRect();
    m_needDrawGrid = true;
    m_handleSize = 10.0;
    m_rowLines = kNoLines;
    m_columnLines = kNoLines;
}

void XGraphic::setRowCount(std::size_t count)
{
    m_rowCount = count;
    if (count >= 2) {
        m_leftGaps.assign(count + 1, 0.0);
        m_rightGaps.assign(count + 1, 0.0);
    }
}

void XGraphic::setColumnCount(std::size_t count)
{
    m_columnCount = count;
    if (count >= 2) {
        m_topGaps.assign(count + 1, 0.0);
        m_bottomGaps.assign(count + 1, 0.0);
    }
}

std::size_t XGraphic::graphicCount() const
{
    const std::size_t cells = m_rowCount * m_columnCount;
    return cells >= 2 ? cells - 2 : 0;
}

void XGraphic::calculateRowLinearEquations()
{
    const QPointF T = m_graphicRect.topPoint, L = m_graphicRect.leftPoint;
    const QPointF B = m_graphicRect.bottomPoint, R = m_graphicRect.rightPoint;
    const std::size_t n = m_rowCount;
    auto lines = std::make_shared<XLineArray>();
    lines->reserve(n + 1);
    if (B.y() == L.y() && T.y() == R.y()) {
        const double step = (B.y() - R.y()) / static_cast<double>(n);
        for (std::size_t i = 0; i <= n; ++i) {
            const double offset = static_cast<double>(i) * step;
            lines->push_back(
                XLinearEquation::linerEquationWithPointA({R.x(), R.y() + offset - gapAt(m_rightGaps, i)},
                                                         {T.x(), T.y() + offset - gapAt(m_leftGaps, i)}));
        }
    } else {
        const double alpha = std::atan((T.y() - L.y()) / (T.x() - L.x()));
        const double beta = std::atan((R.y() - B.y()) / (R.x() - B.x()));
        double sL = XLinearEquation::distanceWithPointA(L, T) / static_cast<double>(n);
        if (!(L.x() > T.x()))
            sL = -sL;
        double sR = XLinearEquation::distanceWithPointA(B, R) / static_cast<double>(n);
        if (!(B.x() > R.x() || L.x() > B.x()))
            sR = -sR;
        for (std::size_t i = 0; i <= n; ++i) {
            const double di = static_cast<double>(i);
            lines->push_back(
                XLinearEquation::linerEquationWithPointA(along(T, di * sL + gapAt(m_leftGaps, i), alpha),
                                                         along(R, di * sR + gapAt(m_rightGaps, i), beta)));
        }
    }
    m_rowLines = std::move(lines);
}

void XGraphic::calculateColumnLinearEquations()
{
    const QPointF T = m_graphicRect.topPoint, L = m_graphicRect.leftPoint;
    const QPointF B = m_graphicRect.bottomPoint, R = m_graphicRect.rightPoint;
    const std::size_t m = m_columnCount;
    const double z = m_zeroZoneWidth;
    auto lines = std::make_shared<XLineArray>();
    lines->reserve(m + 1);
    if (T.x() == L.x() && B.x() == R.x()) {
        const double step = (B.x() - L.x() - z) / static_cast<double>(m);
        for (std::size_t j = 0; j <= m; ++j) {
            const double offset = static_cast<double>(j) * step;
            lines->push_back(
                XLinearEquation::linerEquationWithPointA({T.x() + offset + gapAt(m_topGaps, j), T.y()},
                                                         {L.x() + offset + gapAt(m_bottomGaps, j), L.y()}));
        }
    } else {
        const double gamma = std::atan((R.y() - T.y()) / (R.x() - T.x()));
        const double delta = std::atan((B.y() - L.y()) / (B.x() - L.x()));
        const double sT = (XLinearEquation::distanceWithPointA(R, T) - z) / static_cast<double>(m);
        const double sB = (XLinearEquation::distanceWithPointA(B, L) - z) / static_cast<double>(m);
        for (std::size_t j = 0; j <= m; ++j) {
            const double dj = static_cast<double>(j);
            lines->push_back(
                XLinearEquation::linerEquationWithPointA(along(T, dj * sT + gapAt(m_topGaps, j), gamma),
                                                         along(L, dj * sB + gapAt(m_bottomGaps, j), delta)));
        }
    }
    if (z != 0) {
        for (std::size_t j = 1; j < lines->size(); ++j) {
            if ((*lines)[j])
                (*lines)[j] = (*lines)[j]->parallelLineMoveDeltaX(z);
        }
    }
    m_columnLines = std::move(lines);
}

void XGraphic::calculateLinearEquations()
{
    calculateRowLinearEquations();
    calculateColumnLinearEquations();
}

XGraphicRectStruct XGraphic::graphicRectForIndex(std::size_t k) const
{
    const std::size_t count = graphicCount();
    if (k >= count)
        return XZeroGraphicRect();
    const std::size_t n = m_rowCount;
    std::size_t upperIndex = 0, lowerIndex = n, leftIndex = 0;
    if (k != 0) {
        const std::size_t q = k + n * m_columnCount - count;
        const std::size_t r = q % n;
        upperIndex = n - r - 1;
        lowerIndex = n - r;
        leftIndex = q / n;
    }
    const auto* upper = lineAt(*m_rowLines, upperIndex);
    const auto* lower = lineAt(*m_rowLines, lowerIndex);
    const auto* left = lineAt(*m_columnLines, leftIndex);
    const auto* right = lineAt(*m_columnLines, leftIndex + 1);
    // Lines computed for other counts, or missing, bound no cell.
    if (!upper || !lower || !left || !right || m_rowLines->size() != n + 1 ||
        m_columnLines->size() != m_columnCount + 1)
        return XZeroGraphicRect();
    const XGraphicRectStruct cell{
        (*upper)->crossPointWithLinearEquation(**left), (*lower)->crossPointWithLinearEquation(**left),
        (*lower)->crossPointWithLinearEquation(**right), (*upper)->crossPointWithLinearEquation(**right)};
    if (!XFinitePoint(cell.topPoint) || !XFinitePoint(cell.leftPoint) || !XFinitePoint(cell.bottomPoint) ||
        !XFinitePoint(cell.rightPoint))
        return XZeroGraphicRect();
    return cell;
}

QRectF XGraphic::maxRectForIndex(std::size_t index)
{
    if (graphicCount() > 0 && m_rowLines->empty()) {
        calculateLinearEquations();
    }
    return XMaxRectGraphicRect(graphicRectForIndex(index));
}

QString XGraphic::graphicRectDescription() const
{
    const XGraphicRectStruct& r = m_graphicRect;
    return QString::asprintf("top:(%f,%f)\nleft:(%f,%f)\nbottom:(%f,%f)\nright:(%f,%f)\n", r.topPoint.x(),
                             r.topPoint.y(), r.leftPoint.x(), r.leftPoint.y(), r.bottomPoint.x(),
                             r.bottomPoint.y(), r.rightPoint.x(), r.rightPoint.y());
}
