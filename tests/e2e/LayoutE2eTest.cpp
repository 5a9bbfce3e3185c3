// Tableclick as a new user first starts it, at scale 1, 1.5 and 2 on the 1920x1080 screen:
// the main window whole on the screen and clear of the grid's window, as the X server has them.
#include "TableclickFixture.h"

namespace {
// The window's outer frame, title bar and borders included, as the X server has it: the
// window's area grown by the extents its window manager put around it (none for the grid's
// borderless window, which no manager frames).
std::optional<QRect> frameOf(const QString& title, bool framed)
{
    const std::optional<QRect> area = DesktopSession::windowArea(title, 0);
    if (!area)
        return std::nullopt;
    if (!framed)
        return area;
    const QStringList extents =
        DesktopSession::run(QStringLiteral("xprop"), {QStringLiteral("-id"), DesktopSession::windowId(title),
                                                      QStringLiteral("_NET_FRAME_EXTENTS")})
            .section(QLatin1Char('='), 1)
            .split(QLatin1Char(','));
    if (extents.size() != 4)
        return std::nullopt;
    return area->adjusted(-extents[0].trimmed().toInt(), -extents[2].trimmed().toInt(),
                          extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
}

using LayoutE2e = TableclickFixture<testing::TestWithParam<const char*>>;
} // namespace

// Catches a first window placed off the screen or over the grid at a scale above 1.
TEST_P(LayoutE2e, FirstLaunchPutsTheMainWindowOnTheScreenApartFromTheGrid)
{
    m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                    environment() << QStringLiteral("QT_SCALE_FACTOR=") + QLatin1String(GetParam()));
    const QRect screen(0, 0, 1920, 1080);
    std::optional<QRect> main, grid;
    // Framed by the window manager and placed.
    const bool settled = DesktopSession::waitFor(
        [&] {
            main = frameOf(QStringLiteral("^Tableclick$"), true);
            grid = frameOf(QStringLiteral("^Tableclick grid$"), false);
            return main && grid && screen.contains(*main) && screen.contains(*grid) &&
                   !main->intersects(*grid);
        },
        10000);
    ASSERT_TRUE(main && grid) << "Tableclick's windows never showed";
    EXPECT_TRUE(settled) << "main window " << main->x() << "," << main->y() << " " << main->width() << "x"
                         << main->height() << ", grid " << grid->x() << "," << grid->y() << " "
                         << grid->width() << "x" << grid->height();
}

INSTANTIATE_TEST_SUITE_P(Scales, LayoutE2e, testing::Values("1", "1.5", "2"));
