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

// Catches a named bet's wrong cells, and the bet or the grid lost on quitting.
TEST_F(AppE2e, NamedBetsInDirectModeAndTheBetSurvivesATermination)
{
    clickControl(QStringLiteral("directModeButton"));
    clickControl(QStringLiteral("REDMID"));
    EXPECT_EQ(pressesSince(0, 12), (std::vector<int>{10, 5, 24, 31, 14, 20, 8, 23, 10, 15, 32, 0}));
    clickControl(QStringLiteral("directModeButton"));
    clickControl(QStringLiteral("numberButton4"));
    clickControl(QStringLiteral("numberButton7"));

    terminateTableclick();
    EXPECT_EQ(m_app->exitStatus(), QProcess::NormalExit);
    startTableclick(QStringLiteral("betButton"));
    QThread::msleep(300);
    const std::size_t before = pressCount();
    clickControl(QStringLiteral("betButton"));
    EXPECT_EQ(pressesSince(before, 14),
              (std::vector<int>{0, 4, 5, 7, 8, 10, 10, 14, 15, 20, 23, 24, 31, 32}));
}

// Catches clicks after Escape, and Escape taken from the table during or after a run.
TEST_F(AppE2e, EscapeStopsARunWithinOneClickAndIsLetGoAfter)
{
    clickControl(QStringLiteral("delayClickTextField"));
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    DesktopSession::xdotool({QStringLiteral("type"), QStringLiteral("150")});
    // The reverse of the empty bet: all 37 cells.
    clickControl(QStringLiteral("reverseBetButton"));
    ASSERT_TRUE(DesktopSession::waitFor([&] { return pressCount() >= 4; }, 10000));
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    const std::size_t atStop = pressCount();
    QThread::msleep(1000);
    EXPECT_LE(pressCount(), atStop + 1) << "clicks went on after Escape";
    EXPECT_EQ(keyCount(Qt::Key_Escape), 0u) << "Escape reached the table while a run held it";

    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(DesktopSession::waitFor([&] { return keyCount(Qt::Key_Escape) == 1; }, 3000));
}
