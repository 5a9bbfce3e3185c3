#include "BusyDesktop.h"
#include "RouletteTable.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <random>

void paintBusyDesktop(QPainter& painter, QSize size, unsigned seed)
{
    std::mt19937 random(seed);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto colour = [&] { return QColor(uniform(0, 255), uniform(0, 255), uniform(0, 255)); };
    const int w = size.width(), h = size.height();

    QLinearGradient sky(0, 0, w, h);
    sky.setColorAt(0, QColor(30, 60, 120));
    sky.setColorAt(1, QColor(200, 120, 60));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    for (int i = 0; i < 40; ++i) {
        const QRect r(uniform(0, w), uniform(0, h), uniform(20, w / 4), uniform(20, h / 4));
        painter.fillRect(r, colour());
        if (i % 3 == 0) {
            painter.setPen(colour());
            painter.drawRect(r);
        }
    }
    QFont font = painter.font();
    for (int i = 0; i < 60; ++i) {
        font.setPixelSize(uniform(9, 30));
        painter.setFont(font);
        painter.setPen(colour());
        painter.drawText(uniform(0, w), uniform(0, h), QStringLiteral("Report %1 – open 24/7").arg(i));
    }

    // A toolbar of equal buttons along the top, and a calendar.
    painter.fillRect(0, 0, w, 34, QColor(235, 235, 235));
    for (int x = 4; x + 26 < w / 2; x += 30)
        painter.fillRect(x, 4, 26, 26, x % 60 ? QColor(90, 140, 220) : QColor(60, 60, 60));
    const QPoint calendar(uniform(0, w - 220), uniform(40, h - 160));
    painter.fillRect(QRect(calendar, QSize(7 * 30 + 1, 5 * 24 + 1)), QColor(40, 40, 40));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int day = 0; day < 35; ++day) {
        const QRect cell(calendar + QPoint(1 + day % 7 * 30, 1 + day / 7 * 24), QSize(29, 23));
        painter.fillRect(cell, day % 7 >= 5 ? QColor(150, 40, 40) : QColor(70, 70, 90));
        painter.drawText(cell, Qt::AlignCenter, QString::number(day + 1));
    }
}

QImage desktopWithTables(QSize size, const std::vector<RouletteTable>& tables, unsigned seed, bool smooth)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBusyDesktop(painter, size, seed);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    for (const RouletteTable& table : tables) {
        table.paintFelt(painter, 20);
        table.paint(painter);
    }
    if (tables.empty())
        return image;
    // The zero cell's fill starts 3 units in; the window ends a pixel before it.
    const RouletteTable& first = tables.front();
    const QPointF topLeft = first.pose().map(QPointF(3, 3));
    const QPointF bottomLeft = first.pose().map(QPointF(3, first.size().height() - 3));
    const double right = std::min(topLeft.x(), bottomLeft.x()) - 1;
    const QRectF window(QPointF(right - 300, topLeft.y() - 80),
                        QPointF(right, (topLeft.y() + bottomLeft.y()) / 2));
    painter.fillRect(window, QColor(245, 245, 240));
    painter.fillRect(QRectF(window.topLeft(), QSizeF(window.width(), 24)), QColor(50, 80, 140));
    painter.setPen(Qt::white);
    painter.drawText(window.topLeft() + QPointF(8, 17), QStringLiteral("Notes"));
    return image;
}
