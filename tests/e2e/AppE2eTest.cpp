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

// Catches a click in the wrong cell or without release, and Space or direct mode not betting.
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
    std::size_t before = pressCount();
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("space")});
    EXPECT_EQ(pressesSince(before, 3), (std::vector<int>{5, 17, 17}));
    clickControl(QStringLiteral("directModeButton"));
    before = pressCount();
    clickControl(QStringLiteral("numberButton36"));
    EXPECT_EQ(pressesSince(before, 1), (std::vector<int>{36}));
}

// Catches a locked overlay keeping clicks, an unlocked one passing them, a grid moved by a switch.
TEST_F(AppE2e, LockedOverlayLetsClicksThroughUnlockedItTakesThemAndTheGridStays)
{
    const QRect overlay = *control(QStringLiteral("gridWindowMainView"));
    // On column line 4 of the grid, where the overlay draws.
    const QPoint onLine(m_table.x() + m_table.width() * 4 / 13, m_table.y() + m_table.height() / 2);
    DesktopSession::click(onLine);
    EXPECT_EQ(pressesSince(0, 1).size(), 1u) << "the locked overlay kept a click";

    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(waitForControl(QStringLiteral("gridWindowRightView")));
    EXPECT_EQ(control(QStringLiteral("gridWindowMainView"))->topLeft(), overlay.topLeft());
    std::size_t before = pressCount();
    DesktopSession::click(onLine);
    QThread::msleep(300);
    EXPECT_EQ(pressCount(), before) << "the overlay being edited let a click through";

    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return !control(QStringLiteral("gridWindowRightView")).has_value(); }));
    EXPECT_EQ(control(QStringLiteral("gridWindowMainView"))->topLeft(), overlay.topLeft());
    clickControl(QStringLiteral("numberButton0"));
    clickControl(QStringLiteral("numberButton34"));
    before = pressCount();
    clickControl(QStringLiteral("betButton"));
    EXPECT_EQ(pressesSince(before, 2), (std::vector<int>{0, 34}));
}

// Catches a named bet's wrong cells, and the bet, a saved bet or the layouts lost on quitting.
TEST_F(AppE2e, NamedBetsInDirectModeAndTheBetAndLayoutsSurviveATermination)
{
    clickControl(QStringLiteral("directModeButton"));
    clickControl(QStringLiteral("REDMID"));
    EXPECT_EQ(pressesSince(0, 12), (std::vector<int>{10, 5, 24, 31, 14, 20, 8, 23, 10, 15, 32, 0}));
    clickControl(QStringLiteral("directModeButton"));
    clickControl(QStringLiteral("numberButton4"));
    clickControl(QStringLiteral("numberButton7"));
    clickControl(QStringLiteral("addToTableViewButton"));

    terminateTableclick();
    EXPECT_EQ(m_app->exitStatus(), QProcess::NormalExit);
    {
        XPreferenceStore store(settingsFile());
        EXPECT_EQ(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerDataSourceKey")).toList().size(),
            3);
        const auto saved = XArchivesFromVariant(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerTableMouseDatasKey")));
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->size(), 1);
        EXPECT_TRUE(store.containsKey(kXGridWindowTableDataKey));
        const auto current = XUnarchiveGridWindowData(store.objectForKey(kXGridWindowDataKey).toByteArray());
        ASSERT_TRUE(current);
        EXPECT_EQ(current->windowFrame.topLeft(), QPointF(m_table.topLeft()));
    }

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
