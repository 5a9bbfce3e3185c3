#include "overlay/XTableFinder.h"
#include "BusyDesktop.h"
#include "FoundTableError.h"
#include "RouletteTable.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
const QSize Screen(1440, 900);

struct Placed
{
    QRectF area; // where the table goes, before turning and shrinking to fit
    double degrees = 0, narrowing = 0, scale = 1;
};

std::vector<RouletteTable> tablesFor(const std::vector<Placed>& placed)
{
    std::vector<RouletteTable> tables;
    for (const Placed& p : placed)
        tables.push_back(RouletteTable::fitted(p.area, p.degrees, p.narrowing, p.scale));
    return tables;
}

QRectF areaAt(QPointF topLeft, double scale)
{
    return {topLeft, QSizeF(600, 190) * scale};
}

struct FoundCase
{
    const char* name;
    std::vector<Placed> tables; // the larger first
    bool smooth = false;        // antialiased, as most programs paint; the click target does not
};

using TableFinderFound = testing::TestWithParam<FoundCase>;

// Catches a table in any pose or on a busy desktop found off its lines.
TEST_P(TableFinderFound, FindsEveryLineWithinTwoPixels)
{
    const std::vector<RouletteTable> tables = tablesFor(GetParam().tables);
    const XTableSearch search = XFindTables(desktopWithTables(Screen, tables, 7, GetParam().smooth));
    ASSERT_EQ(search.tables.size(), tables.size()) << search.reason.toStdString();
    for (std::size_t k = 0; k < tables.size(); ++k)
        EXPECT_LE(worstLineError(search.tables[k], tables[k]), 2.0) << "table " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Poses, TableFinderFound,
    testing::Values(FoundCase{"Upright", {{areaAt({300, 300}, 1)}}},
                    FoundCase{"TurnedInPerspective", {{areaAt({300, 300}, 1.25), -5, 0.1, 1.25}}},
                    FoundCase{"SmoothInPerspective", {{areaAt({300, 300}, 1), -3, 0.15}}, true},
                    FoundCase{"Scale15Turned", {{areaAt({250, 300}, 1.5), 8, 0, 1.5}}},
                    FoundCase{"Scale2InPerspective", {{areaAt({200, 250}, 2), 3, 0.15, 2}}},
                    FoundCase{"TwoTables", {{areaAt({600, 80}, 1.25), 4, 0, 1.25}, {areaAt({300, 550}, 1)}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MissingCase
{
    const char* name;
    std::vector<Placed> tables;
    const char* reasonSays;
};

using TableFinderMissing = testing::TestWithParam<MissingCase>;

// Catches a table reported where there is none, or no reason given.
TEST_P(TableFinderMissing, FindsNoneAndSaysWhy)
{
    const std::vector<RouletteTable> tables = tablesFor(GetParam().tables);
    const XTableSearch search = XFindTables(desktopWithTables(Screen, tables, 11));
    EXPECT_TRUE(search.tables.empty());
    EXPECT_TRUE(search.reason.contains(QLatin1String(GetParam().reasonSays))) << search.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Desktops, TableFinderMissing,
                         testing::Values(MissingCase{"NoTable", {}, "No roulette table"},
                                         MissingCase{"CutAtTheRight", {{areaAt({1000, 300}, 1)}}, "cut off"},
                                         MissingCase{
                                             "ZeroCutAtTheLeft", {{areaAt({-30, 300}, 1)}}, "cut off"}),
                         [](const auto& info) { return std::string(info.param.name); });

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
