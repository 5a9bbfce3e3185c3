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
