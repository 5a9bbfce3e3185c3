// Find table on a real X server with a window manager: the grid is laid on the click
// target's table by itself, in several poses and scales, and a bet on every number lands
// each click in its own cell.
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "ControlMap.h"
#include "DesktopSession.h"
#include "TableclickSetup.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {
struct Case
{
    const char* name;
    const char* scale;
    QStringList pose;
};

class FindTableE2e : public testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
        m_log = m_dir.filePath(QStringLiteral("clicks.log"));
        m_controls = m_dir.filePath(QStringLiteral("controls.json"));
    }

    std::optional<QRect> control(const QString& name) const { return XControlArea(m_controls, name); }
    QString text(const QString& name) const { return XControlText(m_controls, name); }
    void clickControl(const QString& name)
    {
        const auto area = control(name);
        ASSERT_TRUE(area) << name.toStdString();
        DesktopSession::click(area->center());
    }

    QTemporaryDir m_dir;
    QString m_log;
    QString m_controls;
    DesktopSession m_session;
};
} // namespace

// Catches a table that is not found, or found with a corner, a line or the zero column off
// by more than half a cell (a click in the wrong number), and a grid placed at the wrong
// scale or monitor origin.
TEST_P(FindTableE2e, FindTableThenLockAndABetOnEveryNumberLandsInEachCell)
{
    const Case& c = GetParam();
    // High on the screen, clear of the main window.
    const QRect area(60, 30, 1240, 330);
    ASSERT_TRUE(XStartClickTarget(m_session, area, m_log, c.pose)) << "the click target never showed";
    // A grid roughly over the table, but fitted to none of its lines; the main window opens
    // clear of it, so off the table.
    const double scale = QString::fromLatin1(c.scale).toDouble();
    const QRectF rough(QPointF(area.topLeft()) + QPointF(45, 20), QSizeF(area.size()) - QSizeF(90, 35));
    ASSERT_TRUE(XStoreGridOverTable(m_dir.path(), QRectF(rough.topLeft() / scale, rough.size() / scale).toRect()));
    m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                    XTableclickEnvironment(m_dir.path(), m_controls)
                        << QStringLiteral("QT_SCALE_FACTOR=") + QLatin1String(c.scale));
    ASSERT_TRUE(DesktopSession::waitFor([&] { return control(QStringLiteral("gridLockButton")).has_value(); }, 10000));
    QThread::msleep(500);

    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(DesktopSession::waitFor([&] { return control(QStringLiteral("findTableButton")).has_value(); }));
    clickControl(QStringLiteral("findTableButton"));
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] { return text(QStringLiteral("findTableStatus")).startsWith(QStringLiteral("The grid is on the table")); },
        15000))
        << text(QStringLiteral("findTableStatus")).toStdString();
    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !control(QStringLiteral("findTableButton")).has_value(); }));

    // The reverse of the empty bet: every number once.
    clickControl(QStringLiteral("reverseBetButton"));
    ClickLog log;
    DesktopSession::waitFor(
        [&] {
            log = ClickLog::read(m_log);
            return log.ofKind(QStringLiteral("release")).size() >= 37;
        },
        15000);
    std::vector<int> cells = log.pressedCells();
    std::sort(cells.begin(), cells.end());
    std::vector<int> every(37);
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(cells, every) << "the panel said: " << text(QStringLiteral("betRunStatusLabel")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Poses, FindTableE2e,
    testing::Values(Case{"Upright", "1", {}},
                    Case{"RotatedAtOneAndAHalf", "1.5", {QStringLiteral("--rotate"), QStringLiteral("6")}},
                    Case{"InPerspective", "1", {QStringLiteral("--perspective"), QStringLiteral("0.12")}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
