// The mouse-action panel on a real X server with a window manager: a stored action list
// played into the click target with the real pointer, the position hot key recorded with
// the real keyboard and pressed, and a combination another client holds.
#include "TableclickFixture.h"

#include <algorithm>
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
const QString kStatus = QStringLiteral("actionRunStatusLabel");
const QString kRecorder = QStringLiteral("mouseCursorRecorder");

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

class ActionsE2e : public TableclickFixture<>
{
protected:
    // High on the screen, clear of the main window, which opens centred.
    void startTable()
    {
        startTarget(QRect(40, 20, 1300, 260));
        // The grid's overlay stays locked over the table, out of the way of the clicks.
        storeGridOver(m_table);
    }
    void startPanel() { startTableclick(QStringLiteral("executeListButton")); }

    // The centre of a number's cell on the target's table.
    QPointF cellCentre(int number) const
    {
        const int column = number == 0 ? 0 : (number + 2) / 3;
        const int row = number == 0 ? 1 : 3 * column - number;
        return {m_table.x() + (column + 0.5) * m_table.width() / 13.0,
                m_table.y() + (row + 0.5) * m_table.height() / 3.0};
    }

    // A hot key fires on release: the key goes up before its modifiers.
    static void pressControlAltK()
    {
        DesktopSession::xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt+k")});
        DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("k")});
        DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
    }

    void storeList(const std::vector<XMouseData>& list, bool withHotKey = false)
    {
        XPreferenceStore store(settingsFile());
        store.setObject(kTableArrayKey,
                        XArchivesToVariant(archivedData<XMouseData>(list, XArchiveMouseData)));
        if (withHotKey)
            store.setObject(kShortcutKey, kStoredCombination);
        ASSERT_TRUE(store.synchronize());
    }
    QString storedCombination() const
    {
        return XPreferenceStore(settingsFile()).objectForKey(kShortcutKey).toString();
    }

    // Starts a list long enough to be stopped, and waits until it clicks.
    void startLongRun()
    {
        const std::size_t before = pressCount();
        clickControl(QStringLiteral("executeListButton"));
        ASSERT_TRUE(DesktopSession::waitFor([&] { return pressCount() >= before + 30; }, 5000))
            << text(kStatus).toStdString();
    }

    // Presses logged after `micros`.
    int pressesAfter(long long micros) const
    {
        const ClickLog log = ClickLog::read(m_log);
        const auto presses = log.ofKind(QStringLiteral("press"));
        return static_cast<int>(std::count_if(presses.begin(), presses.end(),
                                              [&](const auto* press) { return press->micros > micros; }));
    }
};
} // namespace

// Catches actions clicked at wrong points, buttons or counts, or without release.
TEST_F(ActionsE2e, ExecuteClicksTheListAtItsPointsWithItsButtonsAndCounts)
{
    startTable();
    storeList(
        {action(cellCentre(5), 1, 2, 1), action(cellCentre(17), 3, 1, 2), action(cellCentre(0), 1, 1, 3)});
    startPanel();
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !entry(QStringLiteral("actionTableView")).isEmpty(); }));

    clickControl(QStringLiteral("executeListButton"));
    EXPECT_EQ(pressesSince(0, 4), (std::vector<int>{5, 5, 17, 0}));
    const ClickLog log = ClickLog::read(m_log);
    const auto presses = log.ofKind(QStringLiteral("press"));
    ASSERT_EQ(presses.size(), 4u);
    const int buttons[] = {1, 1, 3, 1};
    const int cells[] = {5, 5, 17, 0};
    for (std::size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i]->button, buttons[i]) << i;
        // Each click drags 2 pixels to the right; now and then the target is told of a press
        // where the previous drag ended.
        EXPECT_LE(std::abs(presses[i]->point.x() - cellCentre(cells[i]).x()), 2.5) << i;
        EXPECT_LE(std::abs(presses[i]->point.y() - cellCentre(cells[i]).y()), 1.0) << i;
    }
    EXPECT_EQ(log.ofKind(QStringLiteral("release")).size(), 4u);
    EXPECT_TRUE(waitForText(kStatus, QStringLiteral("Done: 4 of 4 clicks"))) << text(kStatus).toStdString();
}

// Catches a recorded hot key never grabbed, the pointer read unscaled, the key not stored, and a
// list that clicks Tableclick's own Execute button, starting itself again and again.
TEST_F(ActionsE2e, ARecordedHotKeyCopiesThePointerIntoTheEditorIsStoredAndAListPointingAtExecuteIsRefused)
{
    startPanel();
    clickControl(kRecorder);
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")});
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !text(kRecorder).isEmpty(); }));

    // Pressed anywhere, with the pointer away from the window, and last over Execute.
    const QPoint execute = control(QStringLiteral("executeListButton"))->center();
    for (const auto& [x, y] :
         {std::pair{333, 144}, std::pair{1500, 90}, std::pair{execute.x(), execute.y()}}) {
        DesktopSession::xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
        pressControlAltK();
        EXPECT_TRUE(waitForText(QStringLiteral("xPosTextField"), QString::number(x) + QStringLiteral(".00")))
            << text(QStringLiteral("xPosTextField")).toStdString();
        EXPECT_EQ(text(QStringLiteral("yPosTextField")), QString::number(y) + QStringLiteral(".00"));
    }
    clickControl(QStringLiteral("addActionButton"));
    clickControl(QStringLiteral("executeListButton"));
    const QString refused = QStringLiteral("Stopped before action 1: it would click Tableclick's own window");
    EXPECT_TRUE(waitForTextStart(kStatus, refused)) << text(kStatus).toStdString();
    // Nothing started again.
    QThread::msleep(500);
    EXPECT_TRUE(text(kStatus).startsWith(refused));
    terminateTableclick();
    EXPECT_EQ(storedCombination(), kStoredCombination);
}

// Catches Escape lost beside a stored pointer hot key, or acting only on its release, and slow
// mouse moves (2 px per report) that never add up to a stop.
TEST_F(ActionsE2e, EscapeOnItsPressAndASlowlyMovingMouseStopALongRunOfOneMillisecondPauses)
{
    startTable();
    storeList({action(cellCentre(5), 1, 20000, 1)}, true);
    startPanel();
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !text(kRecorder).isEmpty(); }));
    TestInput input;
    for (int stop = 0; stop < 2; ++stop) {
        startLongRun();
        const long long pressed = nowMicros();
        input.key(XK_Escape, true);
        EXPECT_TRUE(waitForTextStart(kStatus, QStringLiteral("Stopped with Escape"), 3000))
            << text(kStatus).toStdString();
        QThread::msleep(400);
        input.key(XK_Escape, false);
        // The click under way, and those a loaded target had not read yet when the key went down;
        // a stop on the release would add one click per few milliseconds held.
        EXPECT_LE(pressesAfter(pressed), 12) << "stop " << stop;
    }

    startLongRun();
    std::vector<long long> steps;
    for (int step = 0; step < 50 && !text(kStatus).startsWith(QStringLiteral("Stopped: the mouse")); ++step) {
        input.moveBy(2, 0);
        steps.push_back(nowMicros());
        QThread::msleep(8);
    }
    EXPECT_TRUE(waitForTextStart(kStatus, QStringLiteral("Stopped: the mouse moved"), 3000))
        << text(kStatus).toStdString();
    ASSERT_GE(steps.size(), 4u);
    // Past 6 px at the fourth step: after it, the click under way and those a loaded target had
    // not read yet; each further 8 ms step before the stop would add about five.
    EXPECT_LE(pressesAfter(steps[3]), 12);
}
