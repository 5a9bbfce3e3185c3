// Find table on a real X server with a window manager, then a bet on every number.
#include "TableclickFixture.h"

#include <numeric>

namespace {
struct Case
{
    const char* name;
    double scale;
    QStringList pose;
};

using FindTableE2e = TableclickFixture<testing::TestWithParam<Case>>;
} // namespace

// Catches a table not found or fitted off by half a cell, at any pose, scale or monitor origin.
TEST_P(FindTableE2e, FindTableThenLockAndABetOnEveryNumberLandsInEachCell)
{
    const Case& c = GetParam();
    // High on the screen, clear of the main window.
    startTarget(QRect(60, 30, 1240, 330), c.pose);
    // A grid roughly over the table, fitted to none of its lines.
    const QRectF rough(QPointF(m_table.topLeft()) + QPointF(45, 20), QSizeF(m_table.size()) - QSizeF(90, 35));
    storeGridOver(QRectF(rough.topLeft() / c.scale, rough.size() / c.scale).toRect());
    startTableclick(QStringLiteral("gridLockButton"), c.scale);

    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(waitForControl(QStringLiteral("findTableButton")));
    clickControl(QStringLiteral("findTableButton"));
    ASSERT_TRUE(waitForTextStart(QStringLiteral("findTableStatus"),
                                 QStringLiteral("The grid is on the table"), 15000))
        << text(QStringLiteral("findTableStatus")).toStdString();
    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return !control(QStringLiteral("findTableButton")).has_value(); }));

    // The reverse of the empty bet: every number once.
    clickControl(QStringLiteral("reverseBetButton"));
    std::vector<int> cells = pressesSince(0, 37);
    std::sort(cells.begin(), cells.end());
    std::vector<int> every(37);
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(cells, every) << "the panel said: " << text(QStringLiteral("betRunStatusLabel")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Poses, FindTableE2e,
    testing::Values(Case{"Upright", 1, {}},
                    Case{"RotatedAtOneAndAHalf", 1.5, {QStringLiteral("--rotate"), QStringLiteral("6")}},
                    Case{"InPerspective", 1, {QStringLiteral("--perspective"), QStringLiteral("0.12")}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
