// The grid's window on a real X server with a real window manager, driven on its own: while
// unlocked it takes every press inside its box (a press in a cell moves the grid and never
// reaches the table), its input area follows a resize at once, and switching state never
// moves it, not even under load.
#include "PrivateXServer.h"
#include "TableclickFixture.h"

#include <QScopeGuard>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

namespace {
const QRect kGridArea(300, 60, 900, 300);

// What the X server itself says of one window, on a connection of the test's own: not what
// the program that owns the window believes.
class XServerWindow
{
public:
    explicit XServerWindow(unsigned long window) : m_display(XOpenDisplay(nullptr)), m_window(window) {}
    ~XServerWindow()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    XServerWindow(const XServerWindow&) = delete;
    XServerWindow& operator=(const XServerWindow&) = delete;

    // Where the window is on the root window, when the server knows the window.
    std::optional<QRect> area() const
    {
        XWindowAttributes attributes;
        if (!m_display || !XGetWindowAttributes(m_display, m_window, &attributes))
            return std::nullopt;
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, m_window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
        return QRect(x, y, attributes.width, attributes.height);
    }
    bool isViewable() const
    {
        XWindowAttributes attributes;
        return m_display && XGetWindowAttributes(m_display, m_window, &attributes) &&
               attributes.map_state == IsViewable;
    }
    // The part of the window that takes the pointer, in window coordinates: its input shape,
    // cut by its bounding shape.
    QRegion inputRegion() const { return m_display ? shape(ShapeInput) & shape(ShapeBounding) : QRegion(); }

    // Whether a compositing manager runs on the test's display.
    static bool compositorRunning()
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return false;
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
        const bool running =
            XGetSelectionOwner(display, XInternAtom(display, name.constData(), False)) != None;
        XCloseDisplay(display);
        return running;
    }

private:
    QRegion shape(int kind) const
    {
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(m_display, m_window, kind, &count, &ordering);
        QRegion region;
        for (int i = 0; i < count; ++i)
            region += QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
        if (rects)
            XFree(rects);
        return region;
    }

    Display* m_display;
    unsigned long m_window;
};

class GridEditE2e : public TableclickFixture<>
{
protected:
    // The click target under where the grid will be, then the grid's window over it (its
    // area in logical coordinates).
    void startTableAndGrid(const QRect& grid = kGridArea, const QStringList& environment = {})
    {
        startTarget(QRect(0, 0, 1900, 480));
        m_tableOnly = DesktopSession::screenshot();
        m_driver =
            &m_session.start(QStringLiteral(GRID_DRIVER_BINARY), {QStringLiteral("--area"), XAreaText(grid)},
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
    // The point a command answers with: "grip" or "frame" (its top-left).
    QPoint handle(const QString& name)
    {
        const QStringList f = command(name).split(QLatin1Char(' '));
        return {f.value(1).toInt(), f.value(2).toInt()};
    }
    // Once the window takes presses all over its box again, it shows all of itself.
    bool isWhole() const
    {
        const std::optional<QRect> area = m_window->area();
        return area && (QRegion(QRect(QPoint(0, 0), area->size())) - m_window->inputRegion()).isEmpty();
    }
    int gridPresses() { return command(QStringLiteral("presses")).section(QLatin1Char(' '), 1).toInt(); }
    // Clicks where the grid's window should take the press, and says whether it did.
    bool clickTakenByTheGrid(QPoint at)
    {
        const int before = gridPresses();
        DesktopSession::click(at);
        return DesktopSession::waitFor([&] { return gridPresses() > before; });
    }

    QProcess* m_driver = nullptr;
    std::unique_ptr<XServerWindow> m_window;
    QImage m_tableOnly;
};

class GridEditE2eCompositor : public GridEditE2e, public testing::WithParamInterface<bool>
{
};
} // namespace

// Catches presses passing the unlocked grid, the table hidden by it, a locked grid hiding or keeping clicks.
TEST_P(GridEditE2eCompositor, APressInsideACellMovesTheGridAndNeverReachesTheTable)
{
    const bool compositor = GetParam();
    if (compositor) {
        if (DesktopSession::run(QStringLiteral("sh"),
                                {QStringLiteral("-c"), QStringLiteral("command -v xcompmgr")})
                .isEmpty())
            GTEST_SKIP() << "xcompmgr is not installed (scripts/install-deps --test)";
        m_session.start(QStringLiteral("xcompmgr"), {});
        ASSERT_TRUE(DesktopSession::waitFor([] { return XServerWindow::compositorRunning(); }, 10000));
    }
    startTableAndGrid();
    ASSERT_EQ(XServerWindow::compositorRunning(), compositor);
    // Without a compositor the window shows a snapshot; with one it is translucent, lightly tinted.
    const int tint = compositor ? 48 : 0;
    const auto tableShowsAt = [&](QPoint at) {
        return DesktopSession::waitFor([&] {
            const QRgb now = DesktopSession::screenshot().pixel(at), table = m_tableOnly.pixel(at);
            return std::abs(qRed(now) - qRed(table)) <= tint &&
                   std::abs(qGreen(now) - qGreen(table)) <= tint &&
                   std::abs(qBlue(now) - qBlue(table)) <= tint;
        });
    };
    // Unlocked, a press inside a cell grabs the whole grid, and nothing reaches the table.
    ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));
    const auto [topLeft, bottomRight] = corners();
    // The middle of the fourth number column, middle row: far from every line and handle.
    const QPointF cell = topLeft + QPointF((bottomRight.x() - topLeft.x()) * 4.5 / 13,
                                           (bottomRight.y() - topLeft.y()) * 1.5 / 3);
    const QPoint from = kGridArea.topLeft() + cell.toPoint();
    DesktopSession::drag(from, from + QPoint(40, 25));
    const QPointF movedTopLeft = topLeft + QPointF(40, 25);
    ASSERT_TRUE(DesktopSession::waitFor([&] { return corners().first == movedTopLeft; }))
        << "the grid did not follow a press inside a cell";
    EXPECT_EQ(corners().second, bottomRight + QPointF(40, 25));
    EXPECT_TRUE(clickTakenByTheGrid(from + QPoint(100, 0)));
    EXPECT_EQ(pressCount(), 0u) << "a press inside the unlocked grid reached the table";
    EXPECT_TRUE(tableShowsAt(kGridArea.topLeft() + QPoint(kGridArea.width() - 150, 5)))
        << "the table does not show through the unlocked grid where it draws no line";
    // Locked again, the table shows inside the cells and takes their presses.
    ASSERT_EQ(command(QStringLiteral("lock")), QStringLiteral("locked"));
    const auto [lockedTopLeft, lockedBottomRight] = corners();
    const QPoint insideCell =
        kGridArea.topLeft() + ((lockedTopLeft + lockedBottomRight) / 2).toPoint() + QPoint(7, 7);
    EXPECT_TRUE(tableShowsAt(insideCell)) << "the locked grid hides the table inside its cells";
    DesktopSession::click(insideCell);
    EXPECT_TRUE(DesktopSession::waitFor([&] { return pressCount() == 1; }))
        << "locked, the table got no click";
    // On column line 4, where the locked grid draws, the table takes the press too.
    const QPointF size = lockedBottomRight - lockedTopLeft;
    DesktopSession::click(kGridArea.topLeft() +
                          (lockedTopLeft + QPointF(size.x() * 4 / 13, size.y() / 2)).toPoint());
    EXPECT_TRUE(DesktopSession::waitFor([&] { return pressCount() == 2; })) << "the locked grid kept a click";
}

INSTANTIATE_TEST_SUITE_P(Compositor, GridEditE2eCompositor, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("With") : std::string("Without");
                         });

// Catches an input area that keeps the old size after a resize, letting presses through.
TEST_F(GridEditE2e, TheInputAreaFollowsAGripResizeAtOnce)
{
    startTableAndGrid();
    ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));
    const QRect unlocked = *m_window->area();
    const QPoint gripAt = handle(QStringLiteral("grip"));
    DesktopSession::drag(gripAt, gripAt + QPoint(150, 80));
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        return m_window->area()->size() == unlocked.size() + QSize(150, 80);
    })) << "the grip did not resize the window";
    EXPECT_EQ(m_window->area()->topLeft(), unlocked.topLeft());
    // At once a press in the added area, over the table, goes no further (while the window
    // shows only its lines for a new snapshot, a shield of ours takes it)...
    DesktopSession::click(unlocked.bottomLeft() + QPoint(400, 40));
    // ...and then the window itself takes presses all over its new box.
    EXPECT_TRUE(DesktopSession::waitFor([&] { return isWhole(); }))
        << "the input area kept the size the window had before";
    EXPECT_TRUE(clickTakenByTheGrid(unlocked.bottomLeft() + QPoint(400, 40)));
    EXPECT_EQ(pressCount(), 0u) << "the added area let a press through to the table";
}

// Catches a state switch that re-frames the window, which once moved the grid to (0, 0).
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
            ASSERT_EQ(handle(QStringLiteral("frame")), kGridArea.topLeft())
                << qPrintable(state) << " in cycle " << cycle << ": Qt has the grid elsewhere";
        }
    }
}

// Catches, at scale 1.5, a side panel off the screen or over the grid, and a misplaced grip.
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
    const QPoint gripAt = handle(QStringLiteral("grip")) * 1.5;
    ASSERT_TRUE(screen.contains(gripAt));
    DesktopSession::drag(gripAt, gripAt + QPoint(-90, 60));
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        return m_window->area()->size() == locked.size() + QSize(-90, 60);
    })) << "the grip did not resize the window";
}

namespace {
// An X server of the test's own with two monitors side by side, 1920×1080 each. RandR
// monitors last as long as the connection that made them, so it stays open.
class TwoMonitorDisplay : public PrivateXServer
{
public:
    TwoMonitorDisplay() : PrivateXServer(QSize(3840, 1080), 210)
    {
        if (name().isEmpty() || !(m_display = XOpenDisplay(name().toLatin1().constData())))
            return;
        const Window root = DefaultRootWindow(m_display);
        XRRScreenResources* resources = XRRGetScreenResources(m_display, root);
        for (int i = 0; i < 2 && resources && resources->noutput > 0; ++i) {
            XRRMonitorInfo* monitor = XRRAllocateMonitor(m_display, i == 0 ? 1 : 0);
            monitor->name = XInternAtom(m_display, i == 0 ? "LEFT" : "RIGHT", False);
            monitor->primary = i == 0;
            monitor->x = 1920 * i;
            monitor->width = 1920;
            monitor->height = 1080;
            monitor->mwidth = 508;
            monitor->mheight = 286;
            // The left one takes the server's output, so that it replaces the whole-screen monitor.
            if (i == 0)
                monitor->outputs[0] = resources->outputs[0];
            XRRSetMonitor(m_display, root, monitor);
            XRRFreeMonitors(monitor);
        }
        if (resources)
            XRRFreeScreenResources(resources);
        XSync(m_display, False);
        int count = 0;
        XRRMonitorInfo* monitors = XRRGetMonitors(m_display, root, True, &count);
        if (monitors)
            XRRFreeMonitors(monitors);
        m_ready = count == 2;
    }
    ~TwoMonitorDisplay()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    bool ready() const { return m_ready; }

private:
    Display* m_display = nullptr;
    bool m_ready = false;
};
} // namespace

// Catches a window that jumps or resizes between monitors of two scales, or corners off the pointer.
TEST_F(GridEditE2e, AcrossMonitorsOfTwoScalesTheWindowLandsWhereDroppedAndItsCornersFollowThePointer)
{
    TwoMonitorDisplay display;
    // Our connection to that server closes before it goes.
    const auto closeFirst = qScopeGuard([&] { m_window.reset(); });
    ASSERT_TRUE(display.ready()) << "no two-monitor X server of our own";
    // Everything below (the programs, xdotool, our own looks at windows) on that server.
    const QByteArray shared = qgetenv("DISPLAY");
    qputenv("DISPLAY", display.name().toLatin1());
    const auto restore = qScopeGuard([&] { qputenv("DISPLAY", shared); });
    m_session.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const double scale = 1.5;
    startTableAndGrid(QRect(1300, 100, 400, 250), {QStringLiteral("QT_SCREEN_SCALE_FACTORS=1;1.5")});
    ASSERT_EQ(command(QStringLiteral("unlock")), QStringLiteral("unlocked"));

    // Carried by its move handle across the border (the window shown by the monitor under
    // its centre, the 1× one) and then onto the 1.5× monitor, the handle is where it was dropped.
    QRect area;
    for (const QPoint drop : {QPoint(2100, 300), QPoint(2600, 300)}) {
        // The middle of the move handle in the window's top-right corner, in device pixels.
        const QRect before = *m_window->area();
        const double shown = before.width() / 400.0;
        DesktopSession::drag(before.topRight() + QPoint(1 - qRound(9 * shown), qRound(9 * shown)), drop);
        const double shownAt = drop.x() < 2200 ? 1.0 : scale;
        ASSERT_TRUE(DesktopSession::waitFor([&] {
            return m_window->area()->width() == qRound(400 * shownAt) && isWhole();
        })) << "the window did not keep its size in logical pixels: "
            << m_window->area()->width() << " wide, at " << m_window->area()->x()
            << (isWhole() ? "" : ", shaped");
        area = *m_window->area();
        const int side = qRound(18 * shownAt);
        const QRect handleArea(area.right() + 1 - side, area.top(), side, side);
        EXPECT_TRUE(handleArea.adjusted(-2, -2, 2, 2).contains(drop))
            << "dropped at " << drop.x() << ", the window is at " << area.x() << "," << area.y();
    }
    ASSERT_EQ(area.width(), qRound(400 * scale));

    // A corner dragged on that monitor follows the pointer.
    const QPointF corner = corners().first;
    const QPoint from = area.topLeft() + (corner * scale).toPoint();
    const QPoint to = area.topLeft() + QPoint(300, 60);
    DesktopSession::drag(from, to);
    QPointF moved;
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        moved = QPointF(area.topLeft()) + corners().first * scale;
        return std::abs(moved.x() - to.x()) <= 2 && std::abs(moved.y() - to.y()) <= 2;
    })) << "the corner is at "
        << moved.x() << "," << moved.y() << " for the pointer at " << to.x() << "," << to.y();
}
