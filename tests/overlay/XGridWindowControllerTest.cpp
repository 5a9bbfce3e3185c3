#include "overlay/XGridWindowController.h"
#include "bets/XArchiving.h"
#include "overlay/XGridColors.h"
#include "overlay/XSidePanelPlacement.h"
#include "overlay/XTableFinding.h"
#include "overlay/XWindowDragHandle.h"
#include "platform/XFakePlatform.h"

#include "BusyDesktop.h"
#include "RouletteTable.h"
#include "SampleGridLayout.h"
#include "WaitFor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QJsonArray>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace {
void expectSameLayout(const XGridWindowData& a, const XGridWindowData& b)
{
    EXPECT_EQ(a.windowFrame, b.windowFrame);
    EXPECT_TRUE(XEqualGraphicRects(a.graphicRect, b.graphicRect));
    EXPECT_EQ(a.graphicZeroZoneWidth, b.graphicZeroZoneWidth);
    EXPECT_EQ(a.topGaps, b.topGaps);
    EXPECT_EQ(a.leftGaps, b.leftGaps);
    EXPECT_EQ(a.bottomGaps, b.bottomGaps);
    EXPECT_EQ(a.rightGaps, b.rightGaps);
}

struct GridWindowControllerFixture : testing::Test
{
    XFakePlatform platform;
    std::unique_ptr<XGridWindowController> controller = std::make_unique<XGridWindowController>(platform);

    void restart()
    {
        controller.reset();
        platform.reopenPreferences();
        controller = std::make_unique<XGridWindowController>(platform);
    }
    double cornerX() const { return controller->mainView()->graphic().graphicRect().topPoint.x(); }
    // A left-button event on `handle` at a global point.
    static void send(QWidget* handle, QEvent::Type type, QPointF global)
    {
        QMouseEvent event(type, handle->mapFromGlobal(global), global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &event);
    }
    static void drag(QWidget* handle, QPointF from, QPointF to)
    {
        send(handle, QEvent::MouseButtonPress, from);
        send(handle, QEvent::MouseMove, to);
        send(handle, QEvent::MouseButtonRelease, to);
    }
};
} // namespace

// Catches a layout field lost on the way to the store, or a damaged archive taken as a layout.
TEST(XGridWindowData, RoundTripAndDamagedArchives)
{
    const XGridWindowData d = XSampleGridLayout(100);
    const auto back = XUnarchiveGridWindowData(XArchiveGridWindowData(d));
    ASSERT_TRUE(back);
    expectSameLayout(*back, d);
    EXPECT_EQ(back->graphicColor, QColor(Qt::green));

    EXPECT_FALSE(XUnarchiveGridWindowData(XArchiveGridWindowData(XGridWindowData()))->graphicColor);

    QJsonObject threeCorners = XEncodeGridWindowData(d);
    QJsonArray corners = threeCorners.value(QStringLiteral("kXGridWindowGraphicRectKey")).toArray();
    corners.removeLast();
    threeCorners.insert(QStringLiteral("kXGridWindowGraphicRectKey"), corners);
    const auto cornerless = XDecodeGridWindowData(threeCorners);
    ASSERT_TRUE(cornerless);
    EXPECT_TRUE(XIsZeroGraphicRect(cornerless->graphicRect));
    EXPECT_EQ(cornerless->windowFrame, d.windowFrame);

    // Geometry written the way other keyed archivers write rectangles and points.
    const auto foreign = XUnarchiveGridWindowData(
        R"({"kXGridWindowFrameKey":"{{100, 200}, {800, 600}}","kXGridWindowGraphicRectKey":["{10, 20}",{"x":10,"y":580},[790,580],"790,20"]})");
    ASSERT_TRUE(foreign);
    EXPECT_EQ(foreign->windowFrame, QRectF(100, 200, 800, 600));
    EXPECT_TRUE(XEqualGraphicRects(foreign->graphicRect, {{10, 20}, {10, 580}, {790, 580}, {790, 20}}));

    EXPECT_FALSE(XUnarchiveGridWindowData("{\"kXMouseDataIndexKey\":3}"));
}

// Catches Remove taking the wrong layout or applying none, and an added layout not selected.
TEST_F(GridWindowControllerFixture, AddingSelectingAndRemovingRecords)
{
    QListWidget* table = controller->tableView();
    controller->clickAddGraphicDataButton();
    ASSERT_EQ(table->count(), 1);
    EXPECT_TRUE(table->item(0)->isSelected());

    for (double x : {200.0, 300.0}) {
        controller->loadWithGridWindowData(XSampleGridLayout(x));
        controller->clickAddGraphicDataButton();
    }
    // Removing the selected last row selects and applies the one before it.
    controller->mainView()->graphic().moveXBy(40, 0);
    controller->clickRemoveGraphicDataButton();
    ASSERT_EQ(controller->gridWindowDatas().size(), 2u);
    EXPECT_TRUE(table->item(1)->isSelected());
    EXPECT_EQ(controller->gridWindowData().windowFrame, XSampleGridLayout(200).windowFrame);
    EXPECT_EQ(cornerX(), 20);

    // Removing with nothing selected changes nothing.
    table->clearSelection();
    controller->clickRemoveGraphicDataButton();
    EXPECT_EQ(controller->gridWindowDatas().size(), 2u);

    table->item(0)->setSelected(true);
    table->item(1)->setSelected(true);
    controller->mainView()->graphic().moveXBy(5, 0);
    const double before = cornerX();
    controller->clickRemoveGraphicDataButton();
    EXPECT_EQ(table->count(), 0);
    EXPECT_EQ(cornerX(), before);
}

// Catches a layout, its name, the grid in use or the chosen colour not shown or not restored, a
// blank name taken, a name repeated.
TEST_F(GridWindowControllerFixture, LayoutsAndTheGridInUseSurviveARestartAndAreRenamedInPlace)
{
    // One layout saved by an earlier version, without a name: it loads as it was.
    controller.reset();
    platform.preferences().setObject(kXGridWindowTableDataKey,
                                     XArchivesToVariant({XArchiveGridWindowData(XSampleGridLayout(120))}));
    controller = std::make_unique<XGridWindowController>(platform);
    QListWidget* table = controller->tableView();
    controller->loadWithGridWindowData(XSampleGridLayout(240));
    controller->clickAddGraphicDataButton();
    ASSERT_EQ(table->count(), 2);
    EXPECT_EQ(table->item(0)->text(), QStringLiteral("Layout 1"));
    EXPECT_EQ(table->item(1)->text(), QStringLiteral("Layout 2"));

    // A double-click edits a name in place (the list's own trigger).
    EXPECT_TRUE(table->item(1)->flags() & Qt::ItemIsEditable);
    table->item(0)->setText(QStringLiteral(" left table "));
    table->item(1)->setText(QStringLiteral("  ")); // refused: the old name stays
    EXPECT_EQ(table->item(0)->text(), QStringLiteral("left table"));
    EXPECT_EQ(table->item(1)->text(), QStringLiteral("Layout 2"));
    // The next number that no layout's name holds.
    table->item(0)->setText(QStringLiteral("Layout 3"));
    controller->clickAddGraphicDataButton();
    EXPECT_EQ(table->item(2)->text(), QStringLiteral("Layout 4"));

    controller->mainView()->graphic().setZeroZoneWidth(3);
    controller->selectedColorButton()->setCurrentIndex(4);
    EXPECT_EQ(controller->mainView()->graphic().borderColor(), XGridColorPalette()[4].color);
    restart();
    EXPECT_EQ(controller->selectedColorButton()->currentIndex(), 4);
    EXPECT_EQ(controller->mainView()->graphic().borderColor(), XGridColorPalette()[4].color);
    ASSERT_EQ(controller->gridWindowDatas().size(), 3u);
    expectSameLayout(controller->gridWindowDatas()[0], XSampleGridLayout(120));
    expectSameLayout(controller->gridWindowDatas()[1], XSampleGridLayout(240));
    EXPECT_EQ(controller->gridWindowData().windowFrame, XSampleGridLayout(240).windowFrame);
    EXPECT_EQ(controller->mainView()->graphic().zeroZoneWidth(), 3);
    QStringList names;
    for (const XGridWindowData& saved : controller->gridWindowDatas())
        names << saved.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Layout 3"), QStringLiteral("Layout 2"),
                                  QStringLiteral("Layout 4")}));
}

// Catches a damaged layout applied to the grid.
TEST_F(GridWindowControllerFixture, ADamagedLayoutDoesNotBreakTheGrid)
{
    const XGraphicRectStruct placed = controller->mainView()->graphic().graphicRect();
    XGridWindowData damaged = XSampleGridLayout(100);
    damaged.graphicRect = XZeroGraphicRect();
    damaged.leftGaps = {1, 2, 3}; // not the grid's length
    damaged.windowFrame = QRectF();
    const QRect window = controller->window()->geometry();
    controller->loadWithGridWindowData(damaged);
    EXPECT_TRUE(XEqualGraphicRects(controller->mainView()->graphic().graphicRect(), placed));
    EXPECT_EQ(controller->mainView()->graphic().zeroZoneWidth(), 7.5);
    EXPECT_EQ(controller->mainView()->graphic().leftGaps(), XGapArray(4, 0.0));
    EXPECT_EQ(controller->mainView()->graphic().topGaps(), damaged.topGaps);
    EXPECT_EQ(controller->window()->geometry(), window);
}

// Catches a locked grid that takes clicks, levels swapped, a panel over the grid, a close that loses it.
TEST_F(GridWindowControllerFixture, EditAndClickThroughStates)
{
    EXPECT_FALSE(controller->isWindowEnabled());
    EXPECT_FALSE(platform.windowAcceptsMouse(*controller->mainView()));
    EXPECT_TRUE(controller->rightView()->isHidden());
    EXPECT_EQ(platform.windowLevel(*controller->window()), XShieldingWindowLevel);
    controller->window()->setGeometry(50, 60, 400, 200);
    controller->window()->show();
    const QRectF layoutFrame = controller->gridWindowData().windowFrame;
    controller->setEnableWindow(true);
    // The layout keeps the grid's place; the side panel lies beside it.
    EXPECT_EQ(controller->gridWindowData().windowFrame, layoutFrame);
    EXPECT_FALSE(controller->rightView()->geometry().intersects(controller->window()->geometry()));
    EXPECT_EQ(platform.windowLevel(*controller->window()), XFloatingWindowLevel);
    // Closing the grid's window from its title bar keeps it.
    EXPECT_FALSE(controller->window()->close());
    EXPECT_TRUE(controller->window()->isVisible());
}

// Catches a snapshot of the wrong area, taken twice, or kept after locking.
TEST_F(GridWindowControllerFixture, UnlockingTakesASnapshotOfTheGridsAreaUnlessACompositorBlends)
{
    const QRect grid = controller->window()->geometry();
    controller->setEnableWindow(true);
    ASSERT_EQ(platform.snapshotAreas().size(), 1u);
    EXPECT_EQ(platform.snapshotAreas()[0], grid);
    // Switching to the same state again takes none.
    controller->setEnableWindow(true);
    EXPECT_EQ(platform.snapshotAreas().size(), 1u);
    controller->setEnableWindow(false);
    EXPECT_TRUE(controller->mainView()->screenBehind().isNull());

    platform.setCompositingManager(true);
    restart();
    EXPECT_TRUE(controller->mainView()->translucentEditing());
    EXPECT_TRUE(controller->window()->testAttribute(Qt::WA_TranslucentBackground));
    controller->setEnableWindow(true);
    EXPECT_EQ(platform.snapshotAreas().size(), 1u);
}

// Catches a window dragged off the screen or below its smallest size.
TEST_F(GridWindowControllerFixture, TitleAndGripMoveAndResizeTheWindowWithinTheScreen)
{
    controller->setEnableWindow(true);
    QWidget* window = controller->window();
    window->show();
    auto* title = window->findChild<XWindowDragHandle*>(QStringLiteral("gridWindowTitle"));
    auto* grip = window->findChild<XWindowDragHandle*>(QStringLiteral("gridWindowGrip"));
    ASSERT_TRUE(title && grip);
    window->setGeometry(50, 100, 500, 300);
    const QRect start = window->geometry();
    drag(title, {500, 500}, {530, 490});
    EXPECT_EQ(window->geometry(), start.translated(30, -10));
    // The panel follows the window it belongs to.
    QCoreApplication::processEvents();
    EXPECT_FALSE(controller->rightView()->geometry().intersects(window->geometry()));
    drag(grip, {500, 500}, {10, 10});
    EXPECT_EQ(window->size(), QSize(120, 80)) << "smaller than the smallest";
    // Dropped past the screen's edge, it comes back whole.
    const QRect screen = window->screen()->availableGeometry();
    drag(title, {0, 0}, QPointF(screen.right() + 1 - window->x(), -window->y() - 50));
    EXPECT_TRUE(screen.contains(window->geometry()))
        << window->geometry().x() << "," << window->geometry().y();
}

// Catches the side panel put over the grid or off the screen.
TEST(XSidePanelArea, BesideTheGridElseWhereItHidesLeastOfIt)
{
    const QRect screen(0, 0, 1280, 720); // 1920×1080 at 1.5
    const QSize panel(190, 300);
    const auto area = [&](const QRect& window) {
        return XSidePanelArea(window, panel, {150, 260}, QRegion(window), screen);
    };
    EXPECT_EQ(area({100, 40, 900, 300}), QRect(1000, 40, 190, 300));
    // No room on the right: on the left; no room there either: below.
    EXPECT_EQ(area({190, 40, 1000, 300}), QRect(0, 40, 190, 300));
    EXPECT_EQ(area({140, 40, 1000, 300}), QRect(140, 340, 190, 300));

    // No side has room (the default window at scale 2): never across the grid (with its handles)
    // or the window's controls, at its smallest, on the screen.
    const QRect small(0, 0, 960, 540);
    const QRegion keep = QRegion(22, 42, 753, 336) + QRect(922, 40, 18, 18) + QRect(922, 362, 18, 18);
    const QRect placed = XSidePanelArea({20, 40, 920, 340}, panel, {150, 260}, keep, small);
    EXPECT_TRUE(small.contains(placed) && !keep.intersects(placed)) << placed.x() << "," << placed.y();
    EXPECT_EQ(placed.height(), 260);
    EXPECT_GE(placed.width(), 150);
}

namespace {
bool finishFinding(XGridWindowController& controller)
{
    return waitFor([&] { return !controller.tableFinding()->isFinding(); }, 20000);
}

QPushButton* sideButton(const XGridWindowController& controller, const char* name)
{
    return controller.rightView()->findChild<QPushButton*>(QLatin1String(name));
}
} // namespace

// Catches an incomplete Undo, a table found in our own window, a miss that moves.
TEST_F(GridWindowControllerFixture, FindTableLaysTheGridOnTheTableAndOneUndoTakesItBack)
{
    platform.setScreens({{QRectF(0, 0, 1280, 720), 1.0}});
    const RouletteTable table = RouletteTable::fitted(QRectF(200, 150, 780, 260), 5, 0);
    platform.setScreenImage(desktopWithTables(QSize(1280, 720), {table}, 7));
    controller->loadWithGridWindowData(XSampleGridLayout(100));
    controller->setEnableWindow(true);
    const XGridWindowData before = controller->gridWindowData();

    sideButton(*controller, "findTableButton")->click();
    ASSERT_TRUE(finishFinding(*controller));

    sideButton(*controller, "undoFindTableButton")->click();
    expectSameLayout(controller->gridWindowData(), before);
    EXPECT_FALSE(sideButton(*controller, "undoFindTableButton")->isEnabled());

    // The same table, under the main window.
    platform.setOwnWindows({{1, QRectF(150, 100, 900, 400), true}});
    sideButton(*controller, "findTableButton")->click();
    ASSERT_TRUE(finishFinding(*controller));
    expectSameLayout(controller->gridWindowData(), before);
    EXPECT_TRUE(controller->tableFinding()->status().contains(QLatin1String("Make the whole table visible")));
}
