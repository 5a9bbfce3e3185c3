// Tableclick itself on a real X server with a window manager: its overlay stored over the
// click target's table, bets composed and placed with the real pointer on its own controls.
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "ControlMap.h"
#include "DesktopSession.h"
#include "TableclickSetup.h"

#include "bets/XArchiving.h"
#include "overlay/XGridWindowController.h"
#include "overlay/XGridWindowData.h"
#include "platform/XPreferenceStore.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {
class AppE2e : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
        m_log = m_dir.filePath(QStringLiteral("clicks.log"));
        m_controls = m_dir.filePath(QStringLiteral("controls.json"));
        // High on the screen, clear of the main window, which opens centred.
        const auto table = XStartClickTarget(m_session, QRect(40, 20, 1300, 260), m_log);
        ASSERT_TRUE(table) << "the click target never showed";
        m_table = *table;

        // A stored layout that lays the grid exactly over the table.
        ASSERT_TRUE(XStoreGridOverTable(m_dir.path(), m_table));
        XPreferenceStore store(XTableclickSettingsFile(m_dir.path()));
        store.setInteger(QStringLiteral("kXGridManagerViewControllerClickSpeedKey"), 5);
        ASSERT_TRUE(store.synchronize());

        m_app = &m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                                 XTableclickEnvironment(m_dir.path(), m_controls));
        ASSERT_TRUE(DesktopSession::waitFor(
            [&] {
                return control(QStringLiteral("numberButton36")).has_value() &&
                       control(QStringLiteral("gridWindowMainView")).has_value();
            },
            10000))
            << "Tableclick's main window or its grid never showed";
        ASSERT_TRUE(DesktopSession::windowArea(QStringLiteral("^Tableclick$")));
        // The window manager has mapped and placed it; let it settle before clicking.
        QThread::msleep(500);
    }

    std::optional<QRect> control(const QString& name) const { return XControlArea(m_controls, name); }

    static void click(QPoint at) { DesktopSession::click(at); }
    void clickControl(const QString& name)
    {
        const auto area = control(name);
        ASSERT_TRUE(area) << name.toStdString();
        click(area->center());
    }

    std::vector<int> pressesSince(std::size_t before, std::size_t expected)
    {
        ClickLog log;
        DesktopSession::waitFor(
            [&] {
                log = ClickLog::read(m_log);
                return log.ofKind(QStringLiteral("release")).size() >= before + expected;
            },
            5000);
        // Clicks beyond those expected would show up now.
        QThread::msleep(300);
        log = ClickLog::read(m_log);
        std::vector<int> cells = log.pressedCells();
        cells.erase(cells.begin(),
                    cells.begin() + static_cast<std::ptrdiff_t>(std::min(before, cells.size())));
        return cells;
    }
    std::size_t pressCount() const { return ClickLog::read(m_log).pressedCells().size(); }
    std::size_t keyCount(int key) const
    {
        std::size_t n = 0;
        const ClickLog log = ClickLog::read(m_log);
        for (const ClickLog::Event* e : log.ofKind(QStringLiteral("key")))
            n += e->button == key;
        return n;
    }
    // Types a new pause into the bet panel's field.
    void setPause(const QString& milliseconds)
    {
        clickControl(QStringLiteral("delayClickTextField"));
        DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
        DesktopSession::xdotool({QStringLiteral("type"), milliseconds});
    }
    // Starts the reverse of the empty bet (all 37 cells, 0 first) and waits for `clicks`.
    std::size_t startLongRun(std::size_t clicks)
    {
        const std::size_t before = pressCount();
        clickControl(QStringLiteral("reverseBetButton"));
        EXPECT_TRUE(DesktopSession::waitFor([&] { return pressCount() >= before + clicks; }, 10000));
        return before;
    }

    QTemporaryDir m_dir;
    QString m_log;
    QString m_controls;
    DesktopSession m_session;
    QRect m_table;
    QProcess* m_app = nullptr;
};
} // namespace

TEST_F(AppE2e, NumberButtonsAndBetClickTheTableThroughTheLockedOverlay)
{
    const auto overlay = control(QStringLiteral("gridWindowMainView"));
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->topLeft(), m_table.topLeft());

    clickControl(QStringLiteral("numberButton17"));
    clickControl(QStringLiteral("numberButton5"));
    clickControl(QStringLiteral("numberButton17"));
    std::size_t before = pressCount();
    EXPECT_EQ(before, 0u) << "composing a bet clicks nothing";
    clickControl(QStringLiteral("betButton"));
    // The panel's window was active: the table's window is made active first, and every
    // cell gets exactly its clicks.
    EXPECT_EQ(pressesSince(before, 3), (std::vector<int>{5, 17, 17}));

    // Space is BET too, once the panel has the keyboard again (the table's window took
    // it); direct mode plays each press at once.
    clickControl(QStringLiteral("totalCountLabel"));
    before = pressCount();
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("space")});
    EXPECT_EQ(pressesSince(before, 3), (std::vector<int>{5, 17, 17}));
    clickControl(QStringLiteral("directModeButton"));
    before = pressCount();
    clickControl(QStringLiteral("numberButton36"));
    EXPECT_EQ(pressesSince(before, 1), (std::vector<int>{36}));
}

TEST_F(AppE2e, LockedOverlayLetsClicksThroughUnlockedItTakesThemAndTheGridStays)
{
    const QRect overlay = *control(QStringLiteral("gridWindowMainView"));
    // On column line 4 of the grid, where the overlay draws.
    const QPoint onLine(m_table.x() + m_table.width() * 4 / 13, m_table.y() + m_table.height() / 2);
    std::size_t before = pressCount();
    click(onLine);
    EXPECT_EQ(pressesSince(before, 1).size(), 1u) << "the locked overlay kept a click";

    clickControl(QStringLiteral("gridLockButton"));
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return control(QStringLiteral("gridWindowRightView")).has_value(); }));
    EXPECT_EQ(control(QStringLiteral("gridWindowMainView"))->topLeft(), overlay.topLeft());
    before = pressCount();
    click(onLine);
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

TEST_F(AppE2e, NamedBetsInDirectModeAndTheBetSurvivesATermination)
{
    clickControl(QStringLiteral("directModeButton"));
    std::size_t before = pressCount();
    clickControl(QStringLiteral("REDMID"));
    EXPECT_EQ(pressesSince(before, 12), (std::vector<int>{10, 5, 24, 31, 14, 20, 8, 23, 10, 15, 32, 0}));
    clickControl(QStringLiteral("directModeButton"));
    clickControl(QStringLiteral("numberButton4"));
    clickControl(QStringLiteral("numberButton7"));
    clickControl(QStringLiteral("addToTableViewButton"));

    m_app->terminate();
    ASSERT_TRUE(m_app->waitForFinished(10000));
    {
        XPreferenceStore store(XTableclickSettingsFile(m_dir.path()));
        EXPECT_EQ(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerDataSourceKey")).toList().size(),
            3);
        const auto saved = XArchivesFromVariant(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerTableMouseDatasKey")));
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->size(), 1);
    }

    QFile::remove(m_controls);
    m_app = &m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                             XTableclickEnvironment(m_dir.path(), m_controls));
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return control(QStringLiteral("betButton")).has_value(); }, 10000));
    QThread::msleep(800);
    before = pressCount();
    clickControl(QStringLiteral("betButton"));
    EXPECT_EQ(pressesSince(before, 14),
              (std::vector<int>{0, 4, 5, 7, 8, 10, 10, 14, 15, 20, 23, 24, 31, 32}));
}

TEST_F(AppE2e, TerminationSavesTheLayouts)
{
    m_app->terminate();
    ASSERT_TRUE(m_app->waitForFinished(10000));
    EXPECT_EQ(m_app->exitStatus(), QProcess::NormalExit);
    XPreferenceStore store(XTableclickSettingsFile(m_dir.path()));
    EXPECT_TRUE(store.containsKey(kXGridWindowTableDataKey));
    EXPECT_TRUE(store.containsKey(QStringLiteral("kXGridManagerViewControllerDataSourceKey")));
    const auto current = XUnarchiveGridWindowData(store.objectForKey(kXGridWindowDataKey).toByteArray());
    ASSERT_TRUE(current);
    EXPECT_EQ(current->windowFrame.topLeft(), QPointF(m_table.topLeft()));
}

TEST_F(AppE2e, EscapeAndAMovedMouseStopARunWithinOneClick)
{
    setPause(QStringLiteral("150"));
    std::size_t before = startLongRun(4);
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    std::size_t atStop = pressCount();
    QThread::msleep(1000);
    EXPECT_LE(pressCount(), atStop + 1) << "clicks went on after Escape";
    EXPECT_LT(pressCount() - before, 37u);
    EXPECT_EQ(keyCount(Qt::Key_Escape), 0u) << "Escape reached the table while a run held it";

    // With no run left, Escape belongs to the other programs again.
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(DesktopSession::waitFor([&] { return keyCount(Qt::Key_Escape) == 1; }, 3000));

    before = startLongRun(4);
    DesktopSession::xdotool({QStringLiteral("mousemove"), QStringLiteral("1800"), QStringLiteral("1000")});
    atStop = pressCount();
    QThread::msleep(1000);
    EXPECT_LE(pressCount(), atStop + 1) << "clicks went on after the mouse moved";
    EXPECT_LT(pressCount() - before, 37u);
}
