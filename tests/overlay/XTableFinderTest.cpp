#include "overlay/XTableFinder.h"
#include "BusyDesktop.h"
#include "FoundTableError.h"
#include "RouletteTable.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
const QSize Screen(1440, 900);

// A table at `topLeft`, 600 × 190 times `scale` before turning and shrinking to fit.
RouletteTable tableAt(QPointF topLeft, double scale, double degrees = 0, double narrowing = 0)
{
    return RouletteTable::fitted({topLeft, QSizeF(600, 190) * scale}, degrees, narrowing, scale);
}

// Catches a table in any pose or on a busy desktop found off its lines.
TEST(TableFinder, FindsEveryLineWithinTwoPixels)
{
    // The larger table first; `smooth`: antialiased, as most programs paint (the click target does not).
    const std::tuple<const char*, std::vector<RouletteTable>, bool> cases[] = {
        {"upright", {tableAt({300, 300}, 1)}, false},
        {"turned in perspective at 1.25", {tableAt({300, 300}, 1.25, -5, 0.1)}, false},
        {"smooth in perspective", {tableAt({300, 300}, 1, -3, 0.15)}, true},
        {"turned at 1.5", {tableAt({250, 300}, 1.5, 8)}, false},
        {"in perspective at 2", {tableAt({200, 250}, 2, 3, 0.15)}, false},
        {"two tables", {tableAt({600, 80}, 1.25, 4), tableAt({300, 550}, 1)}, false}};
    for (const auto& [name, tables, smooth] : cases) {
        const XTableSearch search = XFindTables(desktopWithTables(Screen, tables, 7, smooth));
        ASSERT_EQ(search.tables.size(), tables.size()) << name << ": " << search.reason.toStdString();
        for (std::size_t k = 0; k < tables.size(); ++k)
            EXPECT_LE(worstLineError(search.tables[k], tables[k]), 2.0) << name << ", table " << k;
    }
}

// Catches a table reported where there is none, or no reason given.
TEST(TableFinder, FindsNoneAndSaysWhy)
{
    const std::pair<std::vector<RouletteTable>, const char*> cases[] = {
        {{}, "No roulette table"},
        {{tableAt({1000, 300}, 1)}, "cut off"},
        {{tableAt({-30, 300}, 1)}, "cut off"}};
    for (const auto& [tables, reasonSays] : cases) {
        const XTableSearch search = XFindTables(desktopWithTables(Screen, tables, 11));
        EXPECT_TRUE(search.tables.empty());
        EXPECT_TRUE(search.reason.contains(QLatin1String(reasonSays))) << search.reason.toStdString();
    }
}

// Catches a table as a web page shows it missed: collapsed 1-pixel borders, no gaps, uneven
// cells. Each border's middle is a line: the left border at x = 100, the top at y = 200.
TEST(TableFinderPage, FindsATableOfUnevenCellsBetweenOnePixelBorders)
{
    const auto columnWidth = [](int column) { return column == 0 ? 59 : 53 + column % 3 * 6; };
    const int rowHeight[3] = {45, 49, 53};
    const auto truth = [&](int j, int i) {
        QPointF at(100.5, 200.5);
        for (int k = 0; k < j; ++k)
            at.rx() += columnWidth(k);
        for (int k = 0; k < i; ++k)
            at.ry() += rowHeight[k];
        return at;
    };
    QImage image(1280, 720, QImage::Format_RGB32);
    image.fill(QColor(0xf4, 0xf4, 0xf4));
    QPainter painter(&image);
    painter.drawText(8, 20, QStringLiteral("Place your bets"));
    painter.fillRect(QRectF(truth(0, 0), truth(13, 3) + QPointF(1, 1)).translated(-0.5, -0.5),
                     QColor(0xe8e8e8));
    QFont font = painter.font();
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int j = 0; j < 13; ++j)
        for (int i = 0; i < (j ? 3 : 1); ++i) {
            const int n = j ? 3 * j - i : 0;
            const QRectF cell(truth(j, i) + QPointF(0.5, 0.5),
                              truth(j + 1, j ? i + 1 : 3) - QPointF(0.5, 0.5));
            painter.fillRect(cell, n == 0                    ? QColor(0x00964a)
                                   : RouletteTable::isRed(n) ? QColor(0xc81e28)
                                                             : QColor(0x1a1a1a));
            painter.drawText(cell, Qt::AlignCenter, QString::number(n));
        }
    painter.end();
    const XTableSearch search = XFindTables(image);
    ASSERT_EQ(search.tables.size(), 1u) << search.reason.toStdString();
    EXPECT_LE(worstLineError(search.tables[0], truth), 2.0);
}
} // namespace
