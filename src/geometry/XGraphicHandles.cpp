#include "XGraphic.h"

#include "platform/XLog.h"

bool XPointInRect(QPointF p, const QRectF& r)
{
    return p.x() >= r.left() && p.x() < r.left() + r.width() && p.y() >= r.top() &&
           p.y() < r.top() + r.height();
}

QPointF XGraphic::handlePointWithHandlePosition(unsigned position) const
{
    const XGraphicRectStruct& r = m_graphicRect;
    switch (position) {
    case XHandleTop:
        return r.topPoint;
    case XHandleLeft:
        return r.leftPoint;
    case XHandleZeroZone:
        return {(r.topPoint.x() + r.leftPoint.x()) / 2, (r.topPoint.y() + r.leftPoint.y()) / 2};
    case XHandleBottom:
        return r.bottomPoint;
    case XHandleRight:
        return r.rightPoint;
    default:
        return {0, 0};
    }
}

QRectF XGraphic::handleRectWithPoint(QPointF p) const
{
    return {p.x() - m_handleSize / 2, p.y() - m_handleSize / 2, m_handleSize, m_handleSize};
}

QRectF XGraphic::handleRectWithHandlePosition(unsigned position) const
{
    return handleRectWithPoint(handlePointWithHandlePosition(position));
}

unsigned XGraphic::handlePositionAtPoint(QPointF p) const
{
    for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight}) {
        if (XPointInRect(p, handleRectWithHandlePosition(position)))
            return position;
    }
    return XPointInRect(p, XMaxRectGraphicRect(m_graphicRect)) ? XHandleBody : XHandleNone;
}

std::vector<XGraphicHandlePosition> XGraphic::handleGaps() const
{
    std::vector<XGraphicHandlePosition> handles;
    const XLineArray& rows = *m_rowLines;
    const XLineArray& columns = *m_columnLines;
    if (rows.size() < 2 || columns.size() < 2)
        return handles;
    // One handle where an inner line meets an edge; a missing line has no handles.
    const auto add = [&handles](const XLineArray& lines, std::size_t i, const XLineArray& edges,
                                std::size_t edge, unsigned positon) {
        if (i < lines.size() && lines[i] && edges[edge]) {
            handles.push_back(
                {positon, static_cast<long>(i), lines[i]->crossPointWithLinearEquation(*edges[edge])});
        }
    };
    for (std::size_t i = 1; i < m_rowCount; ++i) {
        add(rows, i, columns, 0, XHandleLeft);
        add(rows, i, columns, columns.size() - 1, XHandleRight);
    }
    for (std::size_t j = 1; j < m_columnCount; ++j) {
        add(columns, j, rows, 0, XHandleTop);
        add(columns, j, rows, rows.size() - 1, XHandleBottom);
    }
    return handles;
}

XGraphicHandlePosition XGraphic::handleGapPositionAtPoint(QPointF p) const
{
    for (const XGraphicHandlePosition& handle : handleGaps()) {
        if (XPointInRect(p, handleRectWithPoint(handle.handlePoint)))
            return handle;
    }
    XGraphicHandlePosition none;
    none.gapNumber = -1;
    return none;
}

void XGraphic::setPoint(QPointF p, unsigned position)
{
    switch (position) {
    case XHandleTop:
        m_graphicRect.topPoint = p;
        break;
    case XHandleLeft:
        m_graphicRect.leftPoint = p;
        break;
    case XHandleBottom:
        m_graphicRect.bottomPoint = p;
        break;
    case XHandleRight:
        m_graphicRect.rightPoint = p;
        break;
    case XHandleZeroZone:
        setZeroZoneEdge(p);
        break;
    default:
        break;
    }
}

// Moves the left edge to the point while the number columns stay where they are.
void XGraphic::setZeroZoneEdge(QPointF p)
{
    calculateColumnLinearEquations();
    if (m_columnLines->empty() || !m_columnLines->front())
        return;
    const XLinearEquation edge = *m_columnLines->front();
    QPointF& T = m_graphicRect.topPoint;
    QPointF& L = m_graphicRect.leftPoint;
    if (edge.isVertical()) {
        m_zeroZoneWidth += T.x() - p.x();
        T.setX(p.x());
        L.setX(p.x());
        return;
    }
    if (m_rowLines->size() < 2 || !m_rowLines->front() || !m_rowLines->back())
        return;
    const bool topFlat = m_rowLines->front()->a == 0;
    const bool bottomFlat = m_rowLines->back()->a == 0;
    if (topFlat || bottomFlat) {
        if (topFlat)
            T.setY(T.y() + 0.5);
        if (bottomFlat)
            L.setY(L.y() + 0.5);
        calculateRowLinearEquations();
        if (m_rowLines->size() < 2 || !m_rowLines->front() || !m_rowLines->back())
            return;
    }
    const XLinearEquation moved = edge.parallelLineAtPoint(p);
    m_zeroZoneWidth += moved.distanceWithParallelLine(edge);
    T = moved.crossPointWithLinearEquation(*m_rowLines->front());
    L = moved.crossPointWithLinearEquation(*m_rowLines->back());
}

XGapArray* XGraphic::gapArrayForEdge(unsigned position)
{
    switch (position) {
    case XHandleTop:
        return &m_topGaps;
    case XHandleLeft:
        return &m_leftGaps;
    case XHandleBottom:
        return &m_bottomGaps;
    case XHandleRight:
        return &m_rightGaps;
    default:
        return nullptr;
    }
}

void XGraphic::setGapHandlePoint(QPointF p, const XGraphicHandlePosition& handle)
{
    const XLineArray& rows = *m_rowLines;
    const XLineArray& columns = *m_columnLines;
    if (handle.gapNumber < 0 || rows.size() < 2 || columns.size() < 2)
        return;
    const std::optional<XLinearEquation>* edge = nullptr;
    switch (handle.positon) {
    case XHandleTop:
        edge = &rows.front();
        break;
    case XHandleLeft:
        edge = &columns.front();
        break;
    case XHandleBottom:
        edge = &rows.back();
        break;
    case XHandleRight:
        edge = &columns.back();
        break;
    default:
        return;
    }
    XGapArray* gaps = gapArrayForEdge(handle.positon);
    const auto index = static_cast<std::size_t>(handle.gapNumber);
    if (!*edge || index >= gaps->size())
        return;
    const QPointF projected = (*edge)->nearestPointAtPoint(p);
    const double d = XLinearEquation::distanceSignedWithPointA(projected, handle.handlePoint);
    (*gaps)[index] = d;
    if (handle.positon == XHandleRight)
        XLogIn(lcTrace(), "%f", d);
}

void XGraphic::moveXBy(double dx, double dy)
{
    for (QPointF* corner : {&m_graphicRect.topPoint, &m_graphicRect.leftPoint, &m_graphicRect.bottomPoint,
                            &m_graphicRect.rightPoint})
        *corner += QPointF(dx, dy);
}
