#include "XGraphic.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void XGraphic::drawGraphicWithAttributes(QPainter& painter, const std::vector<XGraphicLabel>& labels)
{
    const std::size_t count = graphicCount();
    calculateLinearEquations();
    if (m_needDrawGrid) {
        // All outlines first: a neighbour's outline must not cut a line already drawn.
        const QColor outline = XGridOutlineColor(m_borderColor);
        for (std::size_t i = 0; i < count; ++i)
            strokeGraphicRect(painter, graphicRectForIndex(i), QPen(outline, m_lineWidth + 2));
        for (std::size_t i = 0; i < count; ++i)
            drawGraphicRect(painter, graphicRectForIndex(i));
    }
    if (labels.empty())
        return;
    QFont font = painter.font();
    font.setPixelSize(17);
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < count; ++i) {
        const QRectF box = maxRectForIndex(i);
        // Only the first label given for a cell counts.
        const auto label = std::find_if(labels.begin(), labels.end(), [i](const XGraphicLabel& l) {
            return l.index == static_cast<long>(i);
        });
        if (label == labels.end() || !label->string)
            continue;
        const QSizeF size = metrics.size(Qt::TextSingleLine, *label->string);
        const QPointF topLeft(box.x() + box.width() * 0.5 - size.width() / 2,
                              box.y() + box.height() * 0.5 - size.height() / 2);
        painter.drawText(QRectF(topLeft, size), Qt::AlignLeft | Qt::AlignTop, *label->string);
    }
    painter.restore();
}

QColor XGridOutlineColor(const QColor& line)
{
    // Perceived lightness: a light line gets a dark rim and a dark one a light rim, so that
    // a line shows on the red, black and green of a table alike, even in the cells' colour.
    const double lightness = 0.299 * line.redF() + 0.587 * line.greenF() + 0.114 * line.blueF();
    return lightness >= 0.55 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

void XGraphic::strokeGraphicRect(QPainter& painter, const XGraphicRectStruct& r, QPen pen) const
{
    // A cell that could not be formed is all zero; stroking it would leave a dot at the origin.
    if (XIsZeroGraphicRect(r))
        return;
    QPainterPath path(r.topPoint);
    path.lineTo(r.leftPoint);
    path.lineTo(r.bottomPoint);
    path.lineTo(r.rightPoint);
    path.closeSubpath();
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.strokePath(path, pen);
}

void XGraphic::drawGraphicRect(QPainter& painter, const XGraphicRectStruct& r) const
{
    strokeGraphicRect(painter, r, QPen(m_borderColor, m_lineWidth));
}

void XGraphic::drawHandles(QPainter& painter) const
{
    for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight})
        drawHandleWithHandlePosition(painter, position);
    for (const XGraphicHandlePosition& handle : handleGaps())
        drawHandleAtPoint(painter, handle.handlePoint);
}

void XGraphic::drawHandleWithHandlePosition(QPainter& painter, unsigned position) const
{
    drawHandleAtPoint(painter, handlePointWithHandlePosition(position));
}

void XGraphic::drawHandleAtPoint(QPainter& painter, QPointF point) const
{
    painter.save();
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(QColor::fromRgbF(2.0 / 3, 2.0 / 3, 2.0 / 3));
    painter.drawEllipse(handleRectWithPoint(point));
    painter.restore();
}
