
#include "overlay/XPaintOut.h"

#include "MappedView.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
struct ViewFixture : testing::Test
{
    XFakePlatform platform;
    XGridWindowMainView view{platform, QRect(0, 0, 1000, 400)};

    void mouse(QEvent::Type type, QPointF at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }
    void drag(QPointF from, std::initializer_list<QPointF> through)
    {
        mouse(QEvent::MouseButtonPress, from);
        for (QPointF p : through)
            mouse(QEvent::MouseMove, p);
        mouse(QEvent::MouseButtonRelease, *std::rbegin(through));
    }
    XGraphicRectStruct corners() const { return view.graphic().graphicRect(); }
    QImage rendered() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};
} // namespace

// Catches Reset that leaves gaps or the zero zone, or throws away the user's colour.
TEST_F(ViewFixture, DefaultPlacementAndReset)
{
    view.graphic().setBorderColor(Qt::green);
    view.graphic().setZeroZoneWidth(12);
    view.graphic().setTopGaps(XGapArray(14, 3.0));
    view.graphic().moveXBy(40, 7);
    view.resetGraphic();
    expectPoint(corners().topPoint, 10, 10);
    EXPECT_EQ(view.graphic().zeroZoneWidth(), 0);
    EXPECT_EQ(view.graphic().topGaps(), XGapArray(14, 0.0));
    EXPECT_EQ(view.graphic().borderColor(), QColor(Qt::green));
}

// Catches a drag that moves the wrong corner, not the whole grid, or grabs outside it.
TEST_F(ViewFixture, DraggingACornerTheBodyOrNothing)
{
    drag({12, 388}, {{20, 380}, {30, 370}});
    expectPoint(corners().leftPoint, 30, 370);
    EXPECT_EQ(view.handlePosition(), XHandleNone);
    EXPECT_EQ(view.grapPosition().gapNumber, -1);

    // Inside the grid but on no handle: the whole grid is taken.
    mouse(QEvent::MouseButtonPress, {300, 200});
    EXPECT_EQ(view.handlePosition(), XHandleBody);
    mouse(QEvent::MouseButtonRelease, {305, 197});

    // Outside the grid's box nothing is grabbed and nothing moves.
    const XGraphicRectStruct still = corners();
    drag({950, 200}, {{900, 100}, {800, 50}});
    EXPECT_TRUE(XEqualGraphicRects(corners(), still));
}

// Catches a locked grid whose cells swallow the clicks meant for the table.
TEST_F(ViewFixture, AShapedWindowKeepsOnlyWhatItPaints)
{
    view.setShapedToPaint(true);
    platform.setWindowAcceptsMouse(false);
    view.setNeedsDisplay();
    const QRegion lines = view.mask();
    EXPECT_TRUE(lines.contains(QPoint(530, 10)));
    EXPECT_FALSE(lines.contains(QPoint(530, 30))); // inside a cell the table shows through
    EXPECT_FALSE(lines.contains(QPoint(999, 200)));
}

// Catches an editing window that hides the table, or shows the grid's old lines twice.
TEST_F(ViewFixture, EditingShowsTheScreenBehindWithoutTheGridsOwnLines)
{
    // The screen: the table (blue) with the locked grid's red lines over it.
    QImage screen(1920, 1080, QImage::Format_RGB32);
    screen.fill(QColor(0, 0, 200));
    view.setShapedToPaint(true);
    platform.setWindowAcceptsMouse(false);
    view.setNeedsDisplay();
    {
        QPainter painter(&screen);
        for (const QRect& r : view.mask())
            painter.fillRect(r, Qt::red);
    }
    platform.setScreenImage(screen);
    view.show();
    view.captureScreenBehind();
    ASSERT_EQ(platform.snapshotAreas().size(), 1u);
    EXPECT_EQ(view.screenBehind().pixel(530, 10), qRgb(0, 0, 200)) << "a line stayed in the snapshot";

    platform.setWindowAcceptsMouse(true);
    view.setNeedsDisplay();
    const QImage editing = rendered();
    EXPECT_EQ(editing.pixel(530, 30), qRgb(0, 0, 200)); // inside a cell: the table
    // Moved, the snapshot stays where the table is, until it is taken again: meanwhile the
    // window shows only its lines, handles and controls, and a shield takes the presses.
    view.move(100, 0);
    const QImage moved = rendered();
    EXPECT_EQ(moved.pixel(530, 30), qRgb(0, 0, 200));
    EXPECT_NE(moved.pixel(950, 200), qRgb(0, 0, 200));
    ASSERT_TRUE(view.refreshingScreenBehind());
    EXPECT_TRUE(platform.pressShielded(view));
    EXPECT_TRUE(view.mask().contains(QPoint(10, 10)));   // a handle
    EXPECT_FALSE(view.mask().contains(QPoint(530, 30))); // a cell
    QElapsedTimer clock;
    clock.start();
    waitFor([&] { return !view.refreshingScreenBehind(); }, 1000);
    EXPECT_LT(clock.elapsed(), 100) << "the snapshot was taken again too late";
    EXPECT_FALSE(platform.pressShielded(view));
    // Editing, the window is its whole box: no mask, so it follows every resize by itself.
    EXPECT_TRUE(view.mask().isEmpty());
    EXPECT_EQ(platform.snapshotAreas().back(), view.geometry());
    EXPECT_EQ(rendered().pixel(950, 200), qRgb(0, 0, 200)) << "the newly covered area is not the table";
}

// Catches a handle dragged out of reach, or under the window's own controls.
TEST_F(ViewFixture, DraggedHandlesAndTheGridStayInsideTheWindowClearOfItsControls)
{
    // The grid's window is 1000 × 400; a handle keeps its whole disc inside, off the grip.
    QWidget grip(&view);
    grip.setGeometry(982, 382, 18, 18);
    view.setControls({&grip});
    view.show();
    view.graphic().calculateLinearEquations();
    const QPointF firstTopGap = view.graphic().handleGaps()[0].handlePoint;
    const std::tuple<const char*, QPointF, QPointF> drags[] = {
        {"bottom corner onto the grip", {810, 390}, {995, 395}},
        {"zero-zone edge", {10, 200}, {-400, 210}},
        {"gap handle", firstTopGap, {-500, 10}},
        {"the whole grid", {300, 200}, {-2000, 3000}}};
    for (const auto& [what, from, to] : drags) {
        view.resetGraphic();
        view.graphic().calculateLinearEquations();
        drag(from, {(from + to) / 2, to});
        XGraphic g = view.graphic();
        g.calculateLinearEquations();
        std::vector<QPointF> points;
        for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight})
            points.push_back(g.handlePointWithHandlePosition(position));
        for (const XGraphicHandlePosition& handle : g.handleGaps())
            points.push_back(handle.handlePoint);
        for (const QPointF p : points) {
            EXPECT_TRUE(QRectF(5, 5, 990, 390).contains(p)) << what << ": " << p.x() << "," << p.y();
            EXPECT_FALSE(QRectF(977, 377, 28, 28).contains(p)) << what << " under the grip";
        }
    }
}

// Catches the grid's old lines left in the picture of the table that editing shows.
TEST(XPaintOutRects, FillsTheRectsFromAroundThem)
{
    QImage table(40, 20, QImage::Format_RGB32);
    table.fill(QColor(10, 20, 30));
    QImage image = table.copy();
    QPainter(&image).fillRect(QRect(5, 8, 30, 3), Qt::red);
    XPaintOutRects(image, {QRect(5, 8, 30, 3)});
    EXPECT_TRUE(image == table);
}
