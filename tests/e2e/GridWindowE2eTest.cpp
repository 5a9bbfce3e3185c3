// The overlay on a real X server with a real window manager: the table underneath shows
// through it, and once unlocked its corner follows a drag of the mouse.
#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "ControlMap.h"
#include "DesktopSession.h"
#include "TableclickSetup.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool isHandleGrey(QRgb c)
{
    return qRed(c) > 150 && qRed(c) < 190 && qRed(c) == qGreen(c) && qRed(c) == qBlue(c);
}

std::optional<QRect> control(const QString& map, const QString& name)
{
    return XControlArea(map, name);
}
} // namespace

TEST(GridWindowE2e, TableShowsThroughAndAnUnlockedCornerFollowsTheMouse)
{
    if (!DesktopSession::hasDisplay())
        GTEST_SKIP() << "needs an X display (scripts/test provides one)";
    QTemporaryDir dir;
    DesktopSession session;
    ASSERT_TRUE(XStartClickTarget(session, QRect(0, 0, 1900, 420), dir.filePath(QStringLiteral("clicks.log"))))
        << "the click target never showed";
    // Painted: two screenshots in a row agree.
    QImage before = DesktopSession::screenshot();
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        const QImage now = DesktopSession::screenshot();
        return std::exchange(before, now) == now;
    }));

    const QString map = dir.filePath(QStringLiteral("controls.json"));
    session.start(QStringLiteral(TABLECLICK_BINARY), {}, XTableclickEnvironment(dir.path(), map));
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] {
            return control(map, QStringLiteral("gridLockButton")).has_value() &&
                   control(map, QStringLiteral("gridWindowMainView")).has_value();
        },
        10000))
        << "the main window or the grid never showed";
    const QRect overlay = *control(map, QStringLiteral("gridWindowMainView"));
    ASSERT_TRUE(DesktopSession::windowArea(QStringLiteral("^Tableclick$")));
    // Locked, the overlay shows only its lines: inside a cell the table shows through.
    const QPoint insideCell = overlay.topLeft() + QPoint(overlay.width() * 4 / 10, overlay.height() / 5);
    const QPoint onALine = overlay.topLeft() + QPoint(overlay.width() * 4 / 10, 10);
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] { return DesktopSession::screenshot().pixel(onALine) != before.pixel(onALine); }, 10000))
        << "the grid's lines never showed";
    EXPECT_EQ(DesktopSession::screenshot().pixel(insideCell), before.pixel(insideCell));
    EXPECT_FALSE(isHandleGrey(DesktopSession::screenshot().pixel(overlay.topLeft() + QPoint(10, 10))));

    const QRect lock = *control(map, QStringLiteral("gridLockButton"));
    DesktopSession::click(lock.center());
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        return control(map, QStringLiteral("gridWindowRightView")).has_value();
    })) << "the grid did not unlock";
    EXPECT_EQ(control(map, QStringLiteral("gridWindowMainView"))->topLeft(), overlay.topLeft())
        << "unlocking moved the grid";
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] { return isHandleGrey(DesktopSession::screenshot().pixel(overlay.topLeft() + QPoint(10, 10))); },
        10000))
        << "no handle at the unlocked grid's corner";
    EXPECT_EQ(control(map, QStringLiteral("gridWindowMainView"))->topLeft(), overlay.topLeft())
        << "unlocking moved the grid";
    EXPECT_EQ(DesktopSession::screenshot().pixel(insideCell), before.pixel(insideCell));

    DesktopSession::drag(overlay.topLeft() + QPoint(10, 10), overlay.topLeft() + QPoint(60, 40));
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        const QImage now = DesktopSession::screenshot();
        return isHandleGrey(now.pixel(overlay.topLeft() + QPoint(60, 40))) &&
               !isHandleGrey(now.pixel(overlay.topLeft() + QPoint(10, 10)));
    })) << "the corner handle did not follow the drag";
}
