#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

class QPainter;

// The roulette table the click target shows (the zero cell, then twelve columns of three
// numbers), painted through a pose: its own rectangle mapped onto any quadrilateral.
class RouletteTable
{
public:
    // A table of `size` in its own coordinates; `pose` takes them to where it is painted.
    explicit RouletteTable(QSizeF size, const QTransform& pose = QTransform());

    // A table filling `area` (device pixels): turned by `degrees` about its centre, its top
    // edge `narrowing` (a fraction) shorter than its bottom, shrunk to fit. At `scale` its
    // 3-pixel insets and its font are `scale` times larger, as on a high-density screen.
    static RouletteTable fitted(const QRectF& area, double degrees, double narrowing, double scale = 1);

    void paint(QPainter& painter) const;
    // The betting program's felt around the table, `margin` wide in the table's own units.
    void paintFelt(QPainter& painter, double margin) const;

    // Where column line `column` (0..13) meets row line `row` (0..3), fractions between.
    QPointF at(double column, double row) const;
    // The number under `point`, -1 off the table.
    int cellAt(QPointF point) const;

    static bool isRed(int number);

    QSizeF size() const { return m_size; }
    const QTransform& pose() const { return m_pose; }

private:
    QSizeF m_size;
    QTransform m_pose;
};
