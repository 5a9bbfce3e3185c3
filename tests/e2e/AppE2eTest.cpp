// Tableclick itself on a real X server with a window manager: its overlay stored over the
// click target's table, bets composed and placed with the real pointer on its own controls.
#include "TableclickFixture.h"

namespace {
class AppE2e : public TableclickFixture<>
{
protected:
    void SetUp() override
    {
        TableclickFixture::SetUp();
        if (IsSkipped())
            return;
        // High on the screen, clear of the main window, which opens centred.
        startTarget(QRect(40, 20, 1300, 260));
        startTableclickOverTable();
    }

    std::size_t keyCount(int key) const
    {
        const ClickLog log = ClickLog::read(m_log);
        const auto keys = log.ofKind(QStringLiteral("key"));
        return static_cast<std::size_t>(
            std::count_if(keys.begin(), keys.end(), [&](const auto* e) { return e->button == key; }));
    }
};
} // namespace

// Catches a click in the wrong cell or without release, and Space not betting.
TEST_F(AppE2e, NumberButtonsAndBetClickTheTableThroughTheLockedOverlay)
{
    EXPECT_EQ(control(QStringLiteral("gridWindowMainView"))->topLeft(), m_table.topLeft());
    clickControl(QStringLiteral("numberButton17"));
    clickControl(QStringLiteral("numberButton5"));
    clickControl(QStringLiteral("numberButton17"));
    EXPECT_EQ(pressCount(), 0u) << "composing a bet clicks nothing";
    clickControl(QStringLiteral("betButton"));
    // The panel's window was active: the table's window is made active first, and every
    // cell gets exactly its clicks.
    EXPECT_EQ(pressesSince(0, 3), (std::vector<int>{5, 17, 17}));

    // Space is BET too, once the panel has the keyboard again.
    clickControl(QStringLiteral("totalCountLabel"));
    const std::size_t before = pressCount();
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("space")});
    EXPECT_EQ(pressesSince(before, 3), (std::vector<int>{5, 17, 17}));
}

// Catches the bet or the grid lost on quitting.
TEST_F(AppE2e, TheBetSurvivesATermination)
{
    clickControl(QStringLiteral("numberButton4"));
    clickControl(QStringLiteral("numberButton7"));

    terminateTableclick();
    EXPECT_EQ(m_app->exitStatus(), QProcess::NormalExit);
    startTableclick(QStringLiteral("betButton"));
    QThread::msleep(300);
    const std::size_t before = pressCount();
    clickControl(QStringLiteral("betButton"));
    EXPECT_EQ(pressesSince(before, 2), (std::vector<int>{4, 7}));
}

// Catches a typed pause not kept between clicks, clicks after Escape, and Escape taken from the
// table during or after a run.
TEST_F(AppE2e, TheTypedPauseIsKeptAndEscapeStopsARunWithinOneClickAndIsLetGoAfter)
{
    clickControl(QStringLiteral("delayClickTextField"));
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    DesktopSession::xdotool({QStringLiteral("type"), QStringLiteral("150")});
    // The reverse of the empty bet: all 37 cells.
    clickControl(QStringLiteral("reverseBetButton"));
    ASSERT_TRUE(DesktopSession::waitFor([&] { return pressCount() >= 4; }, 10000));
    // From each release to the next press, on the X server's clock: a window manager's grab
    // may hand the target a release late, and pauses run to fixed deadlines.
    const ClickLog log = ClickLog::read(m_log);
    const auto presses = log.ofKind(QStringLiteral("press")),
               releases = log.ofKind(QStringLiteral("release"));
    for (std::size_t i = 0; i < 3; ++i) {
        const auto gap = static_cast<long long>(presses[i + 1]->serverMillis - releases[i]->serverMillis);
        EXPECT_TRUE(gap >= 100 && gap <= 300) << gap << " ms after click " << i;
    }
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    const std::size_t atStop = pressCount();
    QThread::msleep(1000);
    EXPECT_LE(pressCount(), atStop + 1) << "clicks went on after Escape";
    EXPECT_EQ(keyCount(Qt::Key_Escape), 0u) << "Escape reached the table while a run held it";

    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(DesktopSession::waitFor([&] { return keyCount(Qt::Key_Escape) == 1; }, 3000));
}
