// The grid's window on a real X server with a real window manager, driven on its own: while
// unlocked it takes every press inside its box (a press in a cell moves the grid and never
// reaches the table), its input area follows a resize at once, and switching state never
// moves it, not even under load.
#include "AreaText.h"
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "DesktopSession.h"
#include "XServerWindow.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QRect kGridArea(300, 60, 900, 300);

class GridEditE2e : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
        m_logPath = m_dir.filePath(QStringLiteral("clicks.log"));
    }

    // The click target under where the grid will be, then the grid's window over it (its
    // area in logical coordinates).
    void startTableAndGrid(const QRect& grid = kGridArea, const QStringList& environment = {})
    {
        ASSERT_TRUE(XStartClickTarget(m_session, QRect(0, 0, 1900, 480), m_logPath));
        m_driver = &m_session.start(
            QStringLiteral(GRID_DRIVER_BINARY),
            {QStringLiteral("--area"), XAreaText(grid)},
            QStringList{QStringLiteral("XDG_CONFIG_HOME=") + m_dir.path()} + environment);
        const QStringList ready = reply().split(QLatin1Char(' '));
        ASSERT_EQ(ready.value(0), QStringLiteral("ready"));
        m_window = std::make_unique<XServerWindow>(ready.value(1).toULong());
    }

    QString reply()
    {
        while (!m_driver->canReadLine()) {
            if (!m_driver->waitForReadyRead(20000))
                return {};
        }
        return QString::fromLatin1(m_driver->readLine()).trimmed();
    }
    QString command(const QString& line)
    {
        m_driver->write((line + QLatin1Char('\n')).toLatin1());
        m_driver->waitForBytesWritten(5000);
        return reply();
    }
    // The grid's top-left and bottom-right corners, in the window.
    std::pair<QPointF, QPointF> corners()
    {
        const QStringList f = command(QStringLiteral("corners")).split(QLatin1Char(' '));
        return {{f.value(1).toDouble(), f.value(2).toDouble()},
                {f.value(3).toDouble(), f.value(4).toDouble()}};
    }
    QRect qtFrame()
    {
        const QStringList f = command(QStringLiteral("frame")).split(QLatin1Char(' '));
        return {f.value(1).toInt(), f.value(2).toInt(), f.value(3).toInt(), f.value(4).toInt()};
    }
    std::size_t presses() const { return ClickLog::read(m_logPath).ofKind(QStringLiteral("press")).size(); }
    int gridPresses() { return command(QStringLiteral("presses")).section(QLatin1Char(' '), 1).toInt(); }
    // Clicks where the grid's window should take the press, and says whether it did.
    bool clickTakenByTheGrid(QPoint at)
    {
        const int before = gridPresses();
        click(at);
        return DesktopSession::waitFor([&] { return gridPresses() > before; });
    }
    static void click(QPoint at) { DesktopSession::click(at); }

    // Unlocked, a press inside a cell grabs the whole grid, and nothing reaches the table.
    void expectACellPressMovesTheGridOnly()
    {
        ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));
        const auto [topLeft, bottomRight] = corners();
        // The middle of the fourth number column, middle row: far from every line and handle.
        const QPointF cell = topLeft + QPointF((bottomRight.x() - topLeft.x()) * 4.5 / 13,
                                               (bottomRight.y() - topLeft.y()) * 1.5 / 3);
        const QPoint from = kGridArea.topLeft() + cell.toPoint();
        DesktopSession::drag(from, from + QPoint(40, 25));
        ASSERT_TRUE(DesktopSession::waitFor([&] { return corners().first == topLeft + QPointF(40, 25); }))
            << "the grid did not follow a press inside a cell";
        EXPECT_EQ(corners().second, bottomRight + QPointF(40, 25));
        EXPECT_TRUE(clickTakenByTheGrid(from + QPoint(100, 0)));
        EXPECT_EQ(presses(), 0u) << "a press inside the unlocked grid reached the table";
    }

    QTemporaryDir m_dir;
    QString m_logPath;
    DesktopSession m_session;
    QProcess* m_driver = nullptr;
    std::unique_ptr<XServerWindow> m_window;
};
} // namespace

TEST_F(GridEditE2e, APressInsideACellMovesTheGridAndNeverReachesTheTable)
{
    startTableAndGrid();
    ASSERT_FALSE(XServerWindow::compositorRunning()) << "this test is the one without a compositor";
    const QImage before = DesktopSession::screenshot();
    expectACellPressMovesTheGridOnly();
    // The snapshot under the window shows the table where no line is drawn.
    const QPoint farFromLines = kGridArea.topLeft() + QPoint(kGridArea.width() - 150, 5);
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        return DesktopSession::screenshot().pixel(farFromLines) == before.pixel(farFromLines);
    })) << "the table does not show through the unlocked grid";
    // Locked again, presses pass through to the table.
    ASSERT_EQ(command(QStringLiteral("lock")), QStringLiteral("locked"));
    const auto [topLeft, bottomRight] = corners();
    click(kGridArea.topLeft() + ((topLeft + bottomRight) / 2).toPoint() + QPoint(7, 7));
    EXPECT_TRUE(DesktopSession::waitFor([&] { return presses() == 1; })) << "locked, the table got no click";
}

TEST_F(GridEditE2e, WithACompositorTooAPressInsideACellMovesTheGridOnly)
{
    if (DesktopSession::run(QStringLiteral("sh"),
                            {QStringLiteral("-c"), QStringLiteral("command -v xcompmgr")})
            .isEmpty())
        GTEST_SKIP() << "xcompmgr is not installed (scripts/install-deps --test)";
    m_session.start(QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(DesktopSession::waitFor([] { return XServerWindow::compositorRunning(); }, 10000));
    startTableAndGrid();
    const QImage before = DesktopSession::screenshot();
    expectACellPressMovesTheGridOnly();
    // Translucent: the table shows through, lightly tinted.
    const QPoint farFromLines = kGridArea.topLeft() + QPoint(kGridArea.width() - 150, 5);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 48 && std::abs(qGreen(a) - qGreen(b)) <= 48 &&
               std::abs(qBlue(a) - qBlue(b)) <= 48;
    };
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        return near(DesktopSession::screenshot().pixel(farFromLines), before.pixel(farFromLines));
    })) << "the table does not show through the translucent grid";
}

TEST_F(GridEditE2e, TheInputAreaFollowsAGripResizeAtOnce)
{
    startTableAndGrid();
    ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));
    const QRect unlocked = *m_window->area();
    const QStringList grip = command(QStringLiteral("grip")).split(QLatin1Char(' '));
    ASSERT_EQ(grip.value(0), QStringLiteral("grip"));
    const QPoint gripAt(grip.value(1).toInt(), grip.value(2).toInt());
    DesktopSession::drag(gripAt, gripAt + QPoint(150, 80));
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        return m_window->area()->size() == unlocked.size() + QSize(150, 80);
    })) << "the grip did not resize the window";
    EXPECT_EQ(m_window->area()->topLeft(), unlocked.topLeft());
    EXPECT_TRUE(
        (QRegion(QRect(QPoint(0, 0), unlocked.size() + QSize(150, 80))) - m_window->inputRegion()).isEmpty())
        << "the input area kept the size the window had before";
    // A press in the added area, over the table, stays with the grid's window.
    EXPECT_TRUE(clickTakenByTheGrid(unlocked.bottomLeft() + QPoint(400, 40)));
    EXPECT_EQ(presses(), 0u) << "the added area let a press through to the table";
}

TEST_F(GridEditE2e, SwitchingStateAHundredTimesUnderLoadNeverMovesTheGrid)
{
    // Both cores busy, as when the table's own program is drawing.
    for (int i = 0; i < 2; ++i)
        m_session.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    startTableAndGrid();
    ASSERT_EQ(m_window->area()->topLeft(), kGridArea.topLeft());
    for (int cycle = 0; cycle < 100; ++cycle) {
        for (const QString& state : {QStringLiteral("unlock"), QStringLiteral("lock")}) {
            ASSERT_EQ(command(state), state + QStringLiteral("ed"));
            const std::optional<QRect> area = m_window->area();
            ASSERT_TRUE(area && m_window->isViewable())
                << qPrintable(state) << " in cycle " << cycle << " hid the grid";
            ASSERT_EQ(area->topLeft(), kGridArea.topLeft())
                << qPrintable(state) << " in cycle " << cycle << " moved the grid";
            ASSERT_EQ(qtFrame().topLeft(), kGridArea.topLeft())
                << qPrintable(state) << " in cycle " << cycle << ": Qt has the grid elsewhere";
        }
    }
}

TEST_F(GridEditE2e, AtScaleOneAndAHalfTheUnlockedGridAndItsPanelStayOnTheScreen)
{
    // The default grid at 1.5 on 1920×1080: 1000 of the 1280 logical pixels, centred.
    startTableAndGrid(QRect(140, 40, 1000, 300), {QStringLiteral("QT_SCALE_FACTOR=1.5")});
    const QRect locked = *m_window->area();
    ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));
    EXPECT_EQ(*m_window->area(), locked) << "unlocking changed the grid's window";
    const XServerWindow panel(command(QStringLiteral("panel")).section(QLatin1Char(' '), 1).toULong());
    ASSERT_TRUE(DesktopSession::waitFor([&] { return panel.isViewable(); }));
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_TRUE(screen.contains(*panel.area())) << "the side panel runs off the screen";
    EXPECT_FALSE(panel.area()->intersects(locked)) << "the side panel lies across the grid";
    EXPECT_TRUE(screen.contains(locked));
    // The grip, in the grid window's corner, is on the screen and resizes it.
    const QStringList grip = command(QStringLiteral("grip")).split(QLatin1Char(' '));
    const QPoint gripAt = (QPointF(grip.value(1).toInt(), grip.value(2).toInt()) * 1.5).toPoint();
    ASSERT_TRUE(screen.contains(gripAt));
    DesktopSession::drag(gripAt, gripAt + QPoint(-90, 60));
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        return m_window->area()->size() == locked.size() + QSize(-90, 60);
    })) << "the grip did not resize the window";
}
