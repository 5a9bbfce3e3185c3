// Bets played by Tableclick's playback land on another program's table: in the right
// cells, in order, as often as asked, with the asked pauses, at 1× and 2× scale.
#include "AreaText.h"
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "DesktopSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

namespace {
struct Play
{
    QStringList groups;
    QString how = QStringLiteral("all");
    QString delay = QStringLiteral("0");
    bool drag = false;
};

class PlaybackE2e : public testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
        m_logPath = m_dir.filePath(QStringLiteral("clicks.log"));
        const auto table = XStartClickTarget(m_session, QRect(100, 200, 1300, 420), m_logPath);
        ASSERT_TRUE(table) << "the click target never showed";
        m_table = *table;
        // Keep the pointer away from the table while nothing is played.
        DesktopSession::xdotool(
            {QStringLiteral("mousemove"), QStringLiteral("1900"), QStringLiteral("1060")});
    }

    // Plays through the driver under the test's scale factor; the log's events since.
    ClickLog play(const Play& p)
    {
        const std::size_t before = ClickLog::read(m_logPath).events.size();
        QStringList args{QStringLiteral("--table"),
                         XAreaText(m_table),
                         QStringLiteral("--play"),
                         p.how,
                         QStringLiteral("--delay"),
                         p.delay};
        for (const QString& g : p.groups)
            args << QStringLiteral("--group") << g;
        if (p.drag)
            args << QStringLiteral("--drag");
        QProcess& driver = m_session.start(QStringLiteral(PLAYBACK_DRIVER_BINARY), args,
                                           {QStringLiteral("QT_SCALE_FACTOR=") + GetParam()});
        EXPECT_TRUE(driver.waitForFinished(60000));
        EXPECT_EQ(driver.exitCode(), 0);
        // The target may still be reading its last events.
        ClickLog log;
        DesktopSession::waitFor(
            [&] {
                log = ClickLog::read(m_logPath);
                return !log.events.empty() && log.events.back().kind == QLatin1String("release");
            },
            2000);
        log.events.erase(log.events.begin(), log.events.begin() + static_cast<std::ptrdiff_t>(before));
        return log;
    }

    // Every press has its release, in the same cell with the left button, before the next press.
    static void expectWholeClicks(const ClickLog& log)
    {
        const auto presses = log.ofKind(QStringLiteral("press"));
        const auto releases = log.ofKind(QStringLiteral("release"));
        ASSERT_EQ(presses.size(), releases.size());
        for (std::size_t i = 0; i < presses.size(); ++i) {
            EXPECT_EQ(presses[i]->button, 1);
            EXPECT_EQ(releases[i]->cell, presses[i]->cell);
            EXPECT_LT(presses[i]->micros, releases[i]->micros + 1);
            if (i + 1 < presses.size()) {
                EXPECT_LE(releases[i]->micros, presses[i + 1]->micros);
            }
        }
    }

    QTemporaryDir m_dir;
    QString m_logPath;
    DesktopSession m_session;
    QRect m_table;
};

std::vector<int> range(int from, int to)
{
    std::vector<int> cells(static_cast<std::size_t>(to - from + 1));
    std::iota(cells.begin(), cells.end(), from);
    return cells;
}
} // namespace

TEST_P(PlaybackE2e, MergedBetClicksEachCellInAscendingOrderWithThePause)
{
    const ClickLog log =
        play({{QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("5,5"), QStringLiteral("17*2,36")},
              QStringLiteral("all"),
              QStringLiteral("20")});
    EXPECT_EQ(log.pressedCells(), (std::vector<int>{3, 5, 5, 17, 17, 17, 36}));
    expectWholeClicks(log);
    // After each click: 100 µs after the release, then the 20 ms pause. Read on the X
    // server's clock: a window manager's click-to-focus grab may hand the target a release
    // late, which says nothing of when it was posted.
    const auto presses = log.ofKind(QStringLiteral("press"));
    const auto releases = log.ofKind(QStringLiteral("release"));
    for (std::size_t i = 0; i + 1 < presses.size(); ++i) {
        const auto gap = static_cast<long long>(presses[i + 1]->serverMillis - releases[i]->serverMillis);
        EXPECT_GE(gap, 20 - 1) << "after click " << i;
        EXPECT_LE(gap, 20 + 60) << "after click " << i;
    }
}

TEST_P(PlaybackE2e, DirectModePlaysEachPressAsBuilt)
{
    const ClickLog log = play({{QStringLiteral("0,3"), QStringLiteral("9,2,9")}, QStringLiteral("direct")});
    EXPECT_EQ(log.pressedCells(), (std::vector<int>{0, 3, 9, 2, 9}));
    expectWholeClicks(log);
}

TEST_P(PlaybackE2e, ReverseClicksEveryOtherCell)
{
    QStringList upTo35;
    for (int i = 0; i <= 35; ++i)
        upTo35 << QString::number(i);
    EXPECT_EQ(play({{upTo35.join(QLatin1Char(','))}, QStringLiteral("reverse")}).pressedCells(),
              (std::vector<int>{36}));
    const ClickLog all = play({{}, QStringLiteral("reverse")});
    EXPECT_EQ(all.pressedCells(), range(0, 36));
    expectWholeClicks(all);
}

TEST_P(PlaybackE2e, LastGroupAndDragClicks)
{
    const ClickLog log = play(
        {{QStringLiteral("1"), QStringLiteral("22,4")}, QStringLiteral("last"), QStringLiteral("0"), true});
    EXPECT_EQ(log.pressedCells(), (std::vector<int>{22, 4}));
    expectWholeClicks(log);
    const auto presses = log.ofKind(QStringLiteral("press"));
    const auto drags = log.ofKind(QStringLiteral("drag"));
    ASSERT_EQ(drags.size(), 2u);
    // Each click drags two device pixels to the right of its press, in the same cell,
    // and is released there.
    const auto releases = log.ofKind(QStringLiteral("release"));
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(drags[i]->point, presses[i]->point + QPointF(2, 0));
        EXPECT_EQ(drags[i]->cell, presses[i]->cell);
        EXPECT_EQ(releases[i]->point, drags[i]->point);
    }
}

INSTANTIATE_TEST_SUITE_P(Scale, PlaybackE2e, testing::Values(QStringLiteral("1"), QStringLiteral("2")),
                         [](const testing::TestParamInfo<QString>& info) {
                             return QStringLiteral("x%1").arg(info.param).toStdString();
                         });
