#include "GeometryExpectations.h"

#include <QImage>
#include <QPainter>

namespace {
// A 3 × 13 grid of 40-point cells at (20, 20), red lines, drawn into a clear image.
struct Canvas
{
    XGraphic graphic = rouletteGraphic(XMakeGraphicRect(QRectF(20, 20, 520, 120)));
    QImage image{600, 200, QImage::Format_ARGB32};

    Canvas() { graphic.setBorderColor(Qt::red); }

    void draw(const std::vector<XGraphicLabel>& labels = {}, bool handles = false)
    {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        graphic.drawGraphicWithAttributes(painter, labels);
        if (handles)
            graphic.drawHandles(painter);
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }

    int yellowPixelsIn(const QRect& area) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = at(x, y);
                count += c.alpha() > 200 && c.red() > 200 && c.green() > 200 && c.blue() < 80;
            }
        return count;
    }
};

bool isRed(const QColor& c)
{
    return c.alpha() > 200 && c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
} // namespace

// Catches lines drawn off the cells' edges, or row lines across the zero cell.
TEST(XGraphicDrawing, OutlinesEveryCellAndNothingInside)
{
    Canvas canvas;
    canvas.draw();
    EXPECT_TRUE(isRed(canvas.at(20, 80)));   // left edge
    EXPECT_TRUE(isRed(canvas.at(60, 80)));   // column line 1
    EXPECT_TRUE(isRed(canvas.at(100, 60)));  // row line 1
    EXPECT_TRUE(isRed(canvas.at(539, 30)));  // right edge
    EXPECT_EQ(canvas.at(40, 50).alpha(), 0); // inside the zero cell: no row lines there
    EXPECT_EQ(canvas.at(80, 40).alpha(), 0);
    EXPECT_EQ(canvas.at(580, 80).alpha(), 0);
    EXPECT_EQ(canvas.yellowPixelsIn(canvas.image.rect()), 0);
}

// Catches a label on the wrong cell, a second label of one cell drawn, or one without text.
TEST(XGraphicDrawing, LabelsAreYellowAndCentredOnlyTheFirstForACellCounts)
{
    Canvas canvas;
    // Cell 5: column 2, middle row: x 100 … 140, y 60 … 100.
    canvas.draw({{5, QStringLiteral("1")},
                 {5, QStringLiteral("8888888")},
                 {7, std::nullopt},
                 {99, QStringLiteral("9")}});
    EXPECT_GT(canvas.yellowPixelsIn(QRect(110, 65, 20, 30)), 10);
    // The second, wider text for cell 5 would reach the cell's sides.
    EXPECT_EQ(canvas.yellowPixelsIn(QRect(100, 60, 8, 40)), 0);
    EXPECT_EQ(canvas.yellowPixelsIn(QRect(132, 60, 8, 40)), 0);
    // Nothing for the label without text, nor outside cell 5.
    EXPECT_EQ(canvas.yellowPixelsIn(QRect(0, 0, 100, 200)), 0);
    EXPECT_EQ(canvas.yellowPixelsIn(QRect(141, 0, 459, 200)), 0);
}

// Catches a hidden grid still drawn, or its lines left stale for the clicks.
TEST(XGraphicDrawing, NoGridDrawsNothingButTheLinesAreStillComputed)
{
    Canvas canvas;
    canvas.graphic.setNeedDrawGrid(false);
    canvas.graphic.moveXBy(10, 0);
    canvas.draw();
    QImage clear(canvas.image.size(), canvas.image.format());
    clear.fill(Qt::transparent);
    EXPECT_EQ(canvas.image, clear);
    expectRect(canvas.graphic.maxRectForIndex(0), 30, 20, 40, 120);
}
