#include "RouletteTable.h"

#include <QList>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

bool RouletteTable::isRed(int n)
{
    static const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    return reds.contains(n);
}

RouletteTable::RouletteTable(QSizeF size, const QTransform& pose) : m_size(size), m_pose(pose) {}

RouletteTable RouletteTable::fitted(const QRectF& area, double degrees, double narrowing, double scale)
{
    const double w = area.width(), h = area.height();
    // Exactly upright, so that a cell's border falls where the table's own arithmetic puts it.
    if (degrees == 0 && narrowing == 0)
        return RouletteTable(area.size() / scale, QTransform::fromScale(scale, scale) *
                                                      QTransform::fromTranslate(area.x(), area.y()));
    QPolygonF corners{QPointF(narrowing * w / 2, 0), QPointF(w - narrowing * w / 2, 0), QPointF(w, h),
                      QPointF(0, h)};
    corners = QTransform().translate(w / 2, h / 2).rotate(degrees).translate(-w / 2, -h / 2).map(corners);
    const QRectF bounds = corners.boundingRect();
    const double shrink = std::min({1.0, w / bounds.width(), h / bounds.height()});
    const QTransform fit = QTransform()
                               .translate(area.center().x(), area.center().y())
                               .scale(shrink, shrink)
                               .translate(-bounds.center().x(), -bounds.center().y());
    const QSizeF size(w * shrink / scale, h * shrink / scale);
    const QPolygonF own{QPointF(0, 0), QPointF(size.width(), 0), QPointF(size.width(), size.height()),
                        QPointF(0, size.height())};
    QTransform pose;
    const bool mapped = QTransform::quadToQuad(own, fit.map(corners), pose);
    Q_ASSERT(mapped);
    Q_UNUSED(mapped);
    return RouletteTable(size, pose);
}

void RouletteTable::paint(QPainter& painter) const
{
    painter.save();
    painter.setTransform(m_pose, true);
    const double width = m_size.width(), height = m_size.height();
    painter.fillRect(QRectF(QPointF(0, 0), m_size), QColor(0, 110, 50));
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(height) / 9));
    font.setBold(true);
    painter.setFont(font);
    const double w = width / 13.0, h = height / 3.0;
    const auto cell = [&](QRectF r, const QColor& fill, int number) {
        painter.fillRect(r.adjusted(3, 3, -3, -3), fill);
        painter.setPen(Qt::white);
        painter.drawText(r, Qt::AlignCenter, QString::number(number));
    };
    cell(QRectF(0, 0, w, height), QColor(0, 150, 70), 0);
    for (int column = 1; column <= 12; ++column)
        for (int row = 0; row < 3; ++row) {
            const int n = 3 * column - row;
            cell(QRectF(column * w, row * h, w, h), isRed(n) ? QColor(200, 20, 30) : QColor(25, 25, 25), n);
        }
    painter.restore();
}

void RouletteTable::paintFelt(QPainter& painter, double margin) const
{
    painter.save();
    painter.setTransform(m_pose, true);
    painter.fillRect(QRectF(QPointF(0, 0), m_size).adjusted(-margin, -margin, margin, margin),
                     QColor(0, 110, 50));
    painter.restore();
}

QPointF RouletteTable::at(double column, double row) const
{
    return m_pose.map(QPointF(column * m_size.width() / 13, row * m_size.height() / 3));
}

int RouletteTable::cellAt(QPointF point) const
{
    bool invertible = false;
    const QPointF p = m_pose.inverted(&invertible).map(point);
    if (!invertible || p.x() < 0 || p.y() < 0 || p.x() >= m_size.width() || p.y() >= m_size.height())
        return -1;
    const int column = static_cast<int>(p.x() * 13 / m_size.width());
    const int row = static_cast<int>(p.y() * 3 / m_size.height());
    return column == 0 ? 0 : 3 * column - row;
}
