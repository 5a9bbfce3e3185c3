// The grid window on a real X server with a real window manager: it lies over another
// program's table, lets that table show through, and follows a corner drag of the mouse.
#include "DesktopSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool isHandleGrey(QRgb c)
{
    return qRed(c) > 150 && qRed(c) < 190 && qRed(c) == qGreen(c) && qRed(c) == qBlue(c);
}
} // namespace

TEST(GridWindowE2e, TableShowsThroughAndACornerFollowsTheMouse)
{
    if (!DesktopSession::hasDisplay())
        GTEST_SKIP() << "needs an X display (scripts/test provides one)";
    QTemporaryDir dir;
    DesktopSession session;
    session.start(QStringLiteral(CLICK_TARGET_BINARY),
                  {QStringLiteral("--area"), QStringLiteral("60,120,1300,420"), QStringLiteral("--log"),
                   dir.filePath(QStringLiteral("clicks.log"))});
    const auto table = DesktopSession::windowArea(QStringLiteral("^Roulette table$"));
    ASSERT_TRUE(table) << "the click target never showed its window";
    ASSERT_TRUE(DesktopSession::waitFor([&] { return !DesktopSession::screenshot().isNull(); }));
    const QImage before = DesktopSession::screenshot();

    session.start(QStringLiteral(TABLECLICK_BINARY), {}, {QStringLiteral("XDG_CONFIG_HOME=") + dir.path()});
    const auto grid = DesktopSession::windowArea(QStringLiteral("^Tableclick grid$"));
    ASSERT_TRUE(grid) << "Tableclick's grid window never showed";
    const QPoint origin = grid->topLeft();

    // The grid's top-left corner handle is drawn at (10, 10) of the window's area.
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        return isHandleGrey(DesktopSession::screenshot().pixel(origin + QPoint(10, 10)));
    })) << "no handle at the grid's corner";
    // Inside a cell the window is cut away: what was on the screen before still shows.
    const QPoint insideCell = origin + QPoint(grid->width() * 4 / 10, grid->height() / 5);
    const QImage over = DesktopSession::screenshot();
    EXPECT_EQ(over.pixel(insideCell), before.pixel(insideCell));

    DesktopSession::drag(origin + QPoint(10, 10), origin + QPoint(60, 40));
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        const QImage now = DesktopSession::screenshot();
        return isHandleGrey(now.pixel(origin + QPoint(60, 40))) &&
               !isHandleGrey(now.pixel(origin + QPoint(10, 10)));
    })) << "the corner handle did not follow the drag";
}
