// The grid's window on a real X server with a real window manager, driven on its own: while
// unlocked it takes every press inside its box (a press in a cell moves the grid and never
// reaches the table), its input area follows a resize at once, and switching state never
// moves it, not even under load.
#include "TableclickFixture.h"

#include <X11/Xlib.h>
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
    // The click target under where the grid will be, then the grid's window over it.
    void startTableAndGrid()
    {
        startTarget(QRect(0, 0, 1900, 480));
        m_tableOnly = DesktopSession::screenshot();
        m_driver = &m_session.start(QStringLiteral(GRID_DRIVER_BINARY),
                                    {QStringLiteral("--area"), XAreaText(kGridArea)},
                                    {QStringLiteral("XDG_CONFIG_HOME=") + m_dir.path()});
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
} // namespace

// Catches presses passing the unlocked grid, the table hidden by it, a locked grid hiding or keeping clicks.
TEST_F(GridEditE2e, APressInsideACellMovesTheGridAndNeverReachesTheTable)
{
    startTableAndGrid();
    // Without a compositor the window shows a snapshot of the table.
    const auto tableShowsAt = [&](QPoint at) {
        return DesktopSession::waitFor(
            [&] { return DesktopSession::screenshot().pixel(at) == m_tableOnly.pixel(at); });
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
