// The mouse-action panel on a real X server with a window manager: a stored action list
// played into the click target with the real pointer, the position hot key recorded with
// the real keyboard and pressed, and a combination another client holds.
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "ControlMap.h"
#include "DesktopSession.h"
#include "TableclickSetup.h"

#include "bets/XArchiving.h"
#include "platform/XPreferenceStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>

// X11 last: it defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
const QString kTableArrayKey = QStringLiteral("kXAddMouseActionViewControllerTableArrayKey");
const QString kShortcutKey = QStringLiteral("kXAddMouseActionViewControllerShortcutKey");
// Control+Option+K in the stored numbering: key 40, flags 0xC0000.
const QString kStoredCombination = QStringLiteral("40,786432");

XMouseData action(QPointF point, std::uint32_t type, std::uint64_t clicks, std::uint64_t index)
{
    XMouseData record;
    record.setMousePoint(point);
    record.setEventType(type);
    record.setClickCount(clicks);
    record.setIndex(index);
    return record;
}

// Input from this process's own connection, at exact moments (xdotool is a process away).
class TestInput
{
public:
    TestInput() : m_display(XOpenDisplay(nullptr)) {}
    ~TestInput()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    void key(KeySym key, bool down)
    {
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, key), down, CurrentTime);
        XFlush(m_display);
    }
    void moveBy(int dx, int dy)
    {
        XTestFakeRelativeMotionEvent(m_display, dx, dy, CurrentTime);
        XFlush(m_display);
    }

private:
    Display* m_display;
};

// The click target's clock.
long long nowMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class ActionsE2e : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
        m_log = m_dir.filePath(QStringLiteral("clicks.log"));
        m_controls = m_dir.filePath(QStringLiteral("controls.json"));
    }

    QString storePath() const { return XTableclickSettingsFile(m_dir.path()); }

    // High on the screen by default, clear of the main window, which opens centred.
    void startTarget(const QRect& area = QRect(40, 20, 1300, 260))
    {
        const auto table = XStartClickTarget(m_session, area, m_log);
        ASSERT_TRUE(table) << "the click target never showed";
        m_table = *table;
        // The grid's overlay stays locked over the table, out of the way of the clicks.
        ASSERT_TRUE(XStoreGridOverTable(m_dir.path(), m_table));
    }

    void startTableclick(double scale = 1.0)
    {
        QFile::remove(m_controls);
        m_app = &m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                                 XTableclickEnvironment(m_dir.path(), m_controls)
                                     << QStringLiteral("QT_SCALE_FACTOR=") + QString::number(scale));
        ASSERT_TRUE(DesktopSession::waitFor(
            [&] { return XControlArea(m_controls, QStringLiteral("executeListButton")).has_value(); }, 10000))
            << "Tableclick's main window never showed";
        ASSERT_TRUE(DesktopSession::windowArea(QStringLiteral("^Tableclick$")));
        // The window manager has mapped and placed it; let it settle before clicking.
        QThread::msleep(500);
    }

    void terminateTableclick()
    {
        m_app->terminate();
        ASSERT_TRUE(m_app->waitForFinished(10000));
    }

    QJsonObject control(const QString& name) const
    {
        QFile file(m_controls);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value(name).toObject();
    }
    QString text(const QString& name) const { return control(name).value(QStringLiteral("text")).toString(); }
    bool waitForText(const QString& name, const QString& expected, int timeoutMs = 5000) const
    {
        return DesktopSession::waitFor([&] { return text(name) == expected; }, timeoutMs);
    }

    void clickControl(const QString& name)
    {
        const auto area = XControlArea(m_controls, name);
        ASSERT_TRUE(area) << name.toStdString();
        DesktopSession::click(area->center());
    }

    // The centre of a number's cell on the target's table.
    QPointF cellCentre(int number) const
    {
        const int column = number == 0 ? 0 : (number + 2) / 3;
        const int row = number == 0 ? 1 : 3 * column - number;
        return {m_table.x() + (column + 0.5) * m_table.width() / 13.0,
                m_table.y() + (row + 0.5) * m_table.height() / 3.0};
    }

    // A hot key fires on release: the key goes up before its modifiers.
    static void pressCombination(const QString& modifiers, const QString& key)
    {
        DesktopSession::xdotool({QStringLiteral("keydown"), modifiers + QLatin1Char('+') + key});
        DesktopSession::xdotool({QStringLiteral("keyup"), key});
        DesktopSession::xdotool({QStringLiteral("keyup"), modifiers});
    }

    void executeStoredList(double scale);

    void storeList(const QList<QByteArray>& archives, bool withHotKey = false)
    {
        XPreferenceStore store(storePath());
        store.setObject(kTableArrayKey, XArchivesToVariant(archives));
        if (withHotKey)
            store.setObject(kShortcutKey, kStoredCombination);
        ASSERT_TRUE(store.synchronize());
    }

    // Starts a list long enough to be stopped, and waits until it clicks.
    void startLongRun()
    {
        const std::size_t before = ClickLog::read(m_log).ofKind(QStringLiteral("press")).size();
        clickControl(QStringLiteral("executeListButton"));
        ASSERT_TRUE(DesktopSession::waitFor(
            [&] { return ClickLog::read(m_log).ofKind(QStringLiteral("press")).size() >= before + 30; }, 5000))
            << text(QStringLiteral("actionRunStatusLabel")).toStdString();
    }

    // Presses logged after `micros`, and the time from `micros` to the last of them.
    std::pair<int, double> pressesAfter(long long micros) const
    {
        int count = 0;
        double lastMs = 0;
        const ClickLog log = ClickLog::read(m_log);
        for (const ClickLog::Event* press : log.ofKind(QStringLiteral("press"))) {
            if (press->micros > micros) {
                ++count;
                lastMs = (press->micros - micros) / 1000.0;
            }
        }
        return {count, lastMs};
    }

    QTemporaryDir m_dir;
    QString m_log;
    QString m_controls;
    DesktopSession m_session;
    QRect m_table;
    QProcess* m_app = nullptr;
};
} // namespace

// Stores the list in logical points, as the panel keeps them, plays it and checks each press
// against the device pixel it should land on.
void ActionsE2e::executeStoredList(double scale)
{
    // Scaled up, the main window fills the screen's middle: the table goes below it.
    startTarget(scale == 1.0 ? QRect(40, 20, 1300, 260) : QRect(40, 960, 1300, 110));
    {
        XPreferenceStore store(storePath());
        const auto logical = [&](int cell) { return cellCentre(cell) / scale; };
        const std::vector<XMouseData> list{action(logical(5), 1, 2, 1), action(logical(17), 3, 1, 2),
                                           action(logical(0), 1, 1, 3)};
        store.setObject(kTableArrayKey,
                        XArchivesToVariant(archivedData<XMouseData>(list, XArchiveMouseData)));
        ASSERT_TRUE(store.synchronize());
    }
    startTableclick(scale);
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return control(QStringLiteral("actionTableView")).size() > 0; }));

    clickControl(QStringLiteral("executeListButton"));
    ClickLog log;
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] {
            log = ClickLog::read(m_log);
            return log.ofKind(QStringLiteral("release")).size() >= 4;
        },
        5000))
        << log.events.size()
        << " events; status: " << text(QStringLiteral("actionRunStatusLabel")).toStdString();
    // Anything beyond the four clicks would show up now.
    QThread::msleep(300);
    log = ClickLog::read(m_log);
    QString events;
    for (const ClickLog::Event& e : log.events)
        events += QStringLiteral("%1 %2 %3,%4 b%5 c%6\n")
                      .arg(e.micros)
                      .arg(e.kind)
                      .arg(e.point.x())
                      .arg(e.point.y())
                      .arg(e.button)
                      .arg(e.cell);
    SCOPED_TRACE(events.toStdString());
    EXPECT_EQ(log.pressedCells(), (std::vector<int>{5, 5, 17, 0}));
    const auto presses = log.ofKind(QStringLiteral("press"));
    ASSERT_EQ(presses.size(), 4u);
    const std::vector<int> buttons{1, 1, 3, 1};
    const std::vector<int> cells{5, 5, 17, 0};
    for (std::size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i]->button, buttons[i]) << i;
        const QPointF expected = cellCentre(cells[i]);
        // Each click drags 2 pixels to the right; now and then the target is told of a press
        // where the previous drag ended.
        EXPECT_LE(std::abs(presses[i]->point.x() - expected.x()), 2.5) << i;
        EXPECT_LE(std::abs(presses[i]->point.y() - expected.y()), 1.0) << i;
    }
    EXPECT_EQ(log.ofKind(QStringLiteral("release")).size(), 4u);
    EXPECT_TRUE(waitForText(QStringLiteral("actionRunStatusLabel"), QStringLiteral("Done: 4 of 4 clicks")))
        << text(QStringLiteral("actionRunStatusLabel")).toStdString();
}

TEST_F(ActionsE2e, ExecuteClicksTheListAtItsPointsWithItsButtonsAndCounts)
{
    executeStoredList(1.0);
}

TEST_F(ActionsE2e, ExecuteClicksTheSameDevicePointsAtScaleOneAndAHalf)
{
    executeStoredList(1.5);
}

TEST_F(ActionsE2e, ARecordedHotKeyCopiesThePointerIntoTheEditor)
{
    startTableclick();
    clickControl(QStringLiteral("mouseCursorRecorder"));
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")});
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(
        DesktopSession::waitFor([&] { return !text(QStringLiteral("mouseCursorRecorder")).isEmpty(); }));

    // Pressed anywhere, with the pointer away from the window.
    DesktopSession::xdotool({QStringLiteral("mousemove"), QStringLiteral("333"), QStringLiteral("144")});
    pressCombination(QStringLiteral("ctrl+alt"), QStringLiteral("k"));
    EXPECT_TRUE(waitForText(QStringLiteral("xPosTextField"), QStringLiteral("333.00")))
        << text(QStringLiteral("xPosTextField")).toStdString();
    EXPECT_EQ(text(QStringLiteral("yPosTextField")), QStringLiteral("144.00"));
    DesktopSession::xdotool({QStringLiteral("mousemove"), QStringLiteral("1500"), QStringLiteral("90")});
    pressCombination(QStringLiteral("ctrl+alt"), QStringLiteral("k"));
    EXPECT_TRUE(waitForText(QStringLiteral("xPosTextField"), QStringLiteral("1500.00")));
    EXPECT_EQ(text(QStringLiteral("yPosTextField")), QStringLiteral("90.00"));

    terminateTableclick();
    XPreferenceStore store(storePath());
    EXPECT_EQ(store.objectForKey(kShortcutKey).toString(), kStoredCombination);
}

TEST_F(ActionsE2e, ACombinationAnotherClientHoldsBringsTheUnknownErrorAlert)
{
    QProcess& holder = m_session.start(QStringLiteral(HOTKEY_PROBE_BINARY), {QStringLiteral("40:c0000")});
    QString said;
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] {
            holder.waitForReadyRead(50);
            said += QString::fromLocal8Bit(holder.readAllStandardOutput());
            return said.contains(QLatin1String("registered 40 c0000"));
        },
        10000))
        << said.toStdString();
    {
        XPreferenceStore store(storePath());
        store.setObject(kShortcutKey, kStoredCombination);
        ASSERT_TRUE(store.synchronize());
    }
    startTableclick();
    ASSERT_TRUE(waitForText(QStringLiteral("alert"), QStringLiteral("unknown Error")))
        << "no alert for a combination another program holds";
    EXPECT_EQ(control(QStringLiteral("alert")).value(QStringLiteral("informativeText")).toString(),
              QString());
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(DesktopSession::waitFor([&] { return control(QStringLiteral("alert")).isEmpty(); }));

    // The holder keeps it; the panel still shows and keeps the combination.
    EXPECT_FALSE(text(QStringLiteral("mouseCursorRecorder")).isEmpty());
    terminateTableclick();
    XPreferenceStore store(storePath());
    EXPECT_EQ(store.objectForKey(kShortcutKey).toString(), kStoredCombination);
}

// Escape works beside a stored pointer hot key (whose grab once took Escape's number), and
// on its press: a held key stops the run at once.
TEST_F(ActionsE2e, EscapeStopsALongRunOnItsPressWithAPointerHotKeyStored)
{
    startTarget();
    storeList(archivedData<XMouseData>({action(cellCentre(5), 1, 20000, 1)}, XArchiveMouseData), true);
    startTableclick();
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !text(QStringLiteral("mouseCursorRecorder")).isEmpty(); }));
    TestInput input;
    std::vector<double> latencies;
    for (int stop = 0; stop < 5; ++stop) {
        startLongRun();
        const long long pressed = nowMicros();
        input.key(XK_Escape, true);
        EXPECT_TRUE(DesktopSession::waitFor(
            [&] { return text(QStringLiteral("actionRunStatusLabel")).startsWith(QStringLiteral("Stopped with Escape")); },
            3000))
            << text(QStringLiteral("actionRunStatusLabel")).toStdString();
        QThread::msleep(200);
        input.key(XK_Escape, false);
        const auto [after, lastMs] = pressesAfter(pressed);
        // The click under way, and those the target had not read yet when the key went
        // down (it stamps a press when it reads it, a few ms late on a busy machine).
        EXPECT_LE(after, 4) << "stop " << stop;
        latencies.push_back(lastMs);
    }
    std::string said;
    for (const double ms : latencies)
        said += std::to_string(ms) + " ms ";
    std::printf("last click after the Escape press: %s\n", said.c_str());
}

// A mouse moved slowly, 2 px per report at a mouse's 125 reports a second (250 px/s), stops
// a list with 1 ms pauses once the moves add up past a few pixels, though each is undone
// by the next click.
TEST_F(ActionsE2e, ASlowlyMovingMouseStopsAListOfOneMillisecondPauses)
{
    startTarget();
    storeList(archivedData<XMouseData>({action(cellCentre(5), 1, 20000, 1)}, XArchiveMouseData));
    startTableclick();
    startLongRun();
    TestInput input;
    std::vector<long long> steps;
    for (int step = 0; step < 50; ++step) {
        input.moveBy(2, 0);
        steps.push_back(nowMicros());
        QThread::msleep(8);
        if (text(QStringLiteral("actionRunStatusLabel")).startsWith(QStringLiteral("Stopped")))
            break;
    }
    EXPECT_TRUE(DesktopSession::waitFor(
        [&] { return text(QStringLiteral("actionRunStatusLabel")).startsWith(QStringLiteral("Stopped: the mouse moved")); },
        3000))
        << text(QStringLiteral("actionRunStatusLabel")).toStdString();
    ASSERT_GE(steps.size(), 4u);
    // Past 6 px at the fourth step: after it, one pause and the click under way at most.
    const auto [after, lastMs] = pressesAfter(steps[3]);
    EXPECT_LE(after, 2) << "last at " << lastMs << " ms";
    std::printf("the mouse moved past 6 px: last click %.2f ms later\n", lastMs);
}

// Stored points that are not numbers or lie off every monitor are never clicked: they are
// left out when the list is read, and the rest of it plays.
TEST_F(ActionsE2e, DamagedAndOffScreenPointsAreNotClicked)
{
    startTarget();
    QList<QByteArray> archives = archivedData<XMouseData>(
        {action(cellCentre(5), 1, 1, 1), action(QPointF(19200, 100), 1, 1, 2)}, XArchiveMouseData);
    archives.insert(1, QByteArrayLiteral("{\"kXMouseDataPointKey\":\"NaN,NaN\",\"kXMouseDataIndexKey\":9,"
                                         "\"kXMouseDataEventTypeKey\":1,\"kXMouseDataClickCountKey\":1}"));
    storeList(archives);
    startTableclick();
    clickControl(QStringLiteral("executeListButton"));
    EXPECT_TRUE(waitForText(QStringLiteral("actionRunStatusLabel"), QStringLiteral("Done: 1 of 1 clicks")))
        << text(QStringLiteral("actionRunStatusLabel")).toStdString();
    QThread::msleep(300);
    EXPECT_EQ(ClickLog::read(m_log).pressedCells(), (std::vector<int>{5}));
}

// A list whose point is Tableclick's own Execute button would start itself again and
// again: it is refused before it clicks.
TEST_F(ActionsE2e, AListPointingAtExecuteIsRefused)
{
    startTarget();
    storeList({}, true);
    startTableclick();
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !text(QStringLiteral("mouseCursorRecorder")).isEmpty(); }));
    const auto execute = XControlArea(m_controls, QStringLiteral("executeListButton"));
    ASSERT_TRUE(execute);
    DesktopSession::xdotool({QStringLiteral("mousemove"), QString::number(execute->center().x()),
                             QString::number(execute->center().y())});
    pressCombination(QStringLiteral("ctrl+alt"), QStringLiteral("k"));
    ASSERT_TRUE(waitForText(QStringLiteral("xPosTextField"), QString::number(execute->center().x()) +
                                                                 QStringLiteral(".00")));
    clickControl(QStringLiteral("addActionButton"));
    clickControl(QStringLiteral("executeListButton"));
    const QString refused = QStringLiteral("Stopped before action 1: it would click Tableclick's own window");
    EXPECT_TRUE(DesktopSession::waitFor(
        [&] { return text(QStringLiteral("actionRunStatusLabel")).startsWith(refused); }))
        << text(QStringLiteral("actionRunStatusLabel")).toStdString();
    // Nothing started again.
    QThread::msleep(500);
    EXPECT_TRUE(text(QStringLiteral("actionRunStatusLabel")).startsWith(refused));
}
