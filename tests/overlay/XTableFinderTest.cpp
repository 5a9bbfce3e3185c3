#include "overlay/XTableFinder.h"
#include "BusyDesktop.h"
#include "FoundTableError.h"
#include "RouletteTable.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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
                    FoundCase{"TurnedLeft", {{areaAt({300, 300}, 1), 8}}},
                    FoundCase{"TurnedRight", {{areaAt({300, 300}, 1), -8}}},
                    FoundCase{"Perspective", {{areaAt({300, 300}, 1), 0, 0.15}}},
                    FoundCase{"TurnedInPerspective", {{areaAt({300, 300}, 1.25), -5, 0.1, 1.25}}},
                    FoundCase{"SmoothTurned", {{areaAt({300, 300}, 1), 8}}, true},
                    FoundCase{"SmoothInPerspective", {{areaAt({300, 300}, 1), -3, 0.15}}, true},
                    FoundCase{"Scale125", {{areaAt({300, 300}, 1.25), 0, 0, 1.25}}},
                    FoundCase{"Scale15Turned", {{areaAt({250, 300}, 1.5), 8, 0, 1.5}}},
                    FoundCase{"Scale2", {{areaAt({200, 250}, 2), 0, 0, 2}}},
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

INSTANTIATE_TEST_SUITE_P(
    Desktops, TableFinderMissing,
    testing::Values(MissingCase{"NoTable", {}, "No roulette table"},
                    MissingCase{"CutAtTheRight", {{areaAt({1000, 300}, 1)}}, "cut off"},
                    MissingCase{"CutAtTheBottom", {{areaAt({300, 820}, 1), 5}}, "cut off"},
                    MissingCase{"ZeroCutAtTheLeft", {{areaAt({-30, 300}, 1)}}, "cut off"}),
    [](const auto& info) { return std::string(info.param.name); });

// Catches a table as a web page shows it missed: collapsed 1-pixel borders, no gaps, uneven
// cells. Each border's middle is a line: the left border at x = 100, the top at y = 200.
TEST(TableFinderBrowser, FindsAnHtmlTableOfUnevenCells)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "Chromium is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto columnWidth = [](int column) { return column == 0 ? 59 : 53 + column % 3 * 6; };
    const int rowHeight[3] = {45, 49, 53};
    QString rows[3];
    for (int r = 0; r < 3; ++r)
        for (int column = 1; column <= 12; ++column) {
            const int n = 3 * column - r;
            rows[r] += QStringLiteral("<td class=%1 style=\"width:%2px;height:%3px\">%4</td>")
                           .arg(RouletteTable::isRed(n) ? QLatin1Char('r') : QLatin1Char('b'))
                           .arg(columnWidth(column))
                           .arg(rowHeight[r])
                           .arg(n);
        }
    QFile page(dir.filePath(QStringLiteral("table.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<!DOCTYPE html><html><head><style>"
                              "body{margin:0;background:#f4f4f4;font:16px sans-serif}"
                              "table{position:absolute;left:100px;top:200px;border-collapse:collapse}"
                              "td{box-sizing:border-box;padding:0;border:1px solid #e8e8e8;"
                              "color:#fff;font:bold 20px sans-serif;text-align:center}"
                              ".r{background:#c81e28}.b{background:#1a1a1a}.z{background:#00964a;width:59px}"
                              "</style></head><body><p>Place your bets</p><table>"
                              "<tr><td class=z rowspan=3>0</td>%1</tr><tr>%2</tr><tr>%3</tr>"
                              "</table></body></html>")
                   .arg(rows[0], rows[1], rows[2])
                   .toUtf8());
    page.close();
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    QProcess process;
    process.start(chromium,
                  QStringLiteral("--headless --no-sandbox --force-device-scale-factor=1 --hide-scrollbars "
                                 "--window-size=1280,720")
                          .split(QLatin1Char(' '))
                      << QStringLiteral("--screenshot=") + shot << page.fileName());
    ASSERT_TRUE(process.waitForFinished(60000));
    const QImage image(shot);
    ASSERT_FALSE(image.isNull()) << process.readAllStandardError().toStdString();

    const XTableSearch search = XFindTables(image);
    ASSERT_EQ(search.tables.size(), 1u) << search.reason.toStdString();
    const auto truth = [&](int j, int i) {
        QPointF at(100.5, 200.5);
        for (int k = 0; k < j; ++k)
            at.rx() += columnWidth(k);
        for (int k = 0; k < i; ++k)
            at.ry() += rowHeight[k];
        return at;
    };
    EXPECT_LE(worstLineError(search.tables[0], truth), 2.0);
}
} // namespace
