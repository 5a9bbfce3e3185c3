// The bet panel as the user sees it: its buttons, preview, labels, switches and what it
// keeps between runs.
#include "PlaybackExpectations.h"
#include "WaitFor.h"

#include "overlay/XGridWindowController.h"
#include "panel/XGridManagerView.h"
#include "panel/XNumberButton.h"
#include "panel/XRunStatusView.h"
#include "panel/XVirtualButtonGridView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct PanelFixture : ControllerFixture
{
    XGridManagerView* view = controller.view();

    XNumberButton* numberButton(long title)
    {
        for (XNumberButton* b : view->virtualButtonGridView->numberButtons()) {
            if (b->text() == QString::number(title))
                return b;
        }
        return nullptr;
    }
};
} // namespace

// Catches a number button missing, doubled on a second build, or over another cell.
TEST_F(PanelFixture, ThirtySevenNumberButtonsInsetInTheirCellsBuiltOnce)
{
    auto buttons = view->virtualButtonGridView->numberButtons();
    ASSERT_EQ(buttons.size(), 37u);
    XGraphic& g = view->virtualButtonGridView->graphic();
    for (std::size_t i = 0; i < 37; ++i) {
        XNumberButton* b = numberButton(static_cast<long>(i));
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->tag(), static_cast<long>(i));
        EXPECT_EQ(QRectF(b->geometry()), g.maxRectForIndex(i).adjusted(2, 4, -2, -4)) << i;
    }
    view->virtualButtonGridView->loadNumberButtonWithTaget(&controller, [](XNumberButton*) {});
    EXPECT_EQ(view->virtualButtonGridView->numberButtons().size(), 37u);
}

// Catches a press that clicks outside direct mode, a preview count in the wrong cell, a dead Clear.
TEST_F(PanelFixture, NumberButtonsComposeOrClickAndThePreviewShowsTheCounts)
{
    numberButton(17)->click();
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 1"));
    ASSERT_EQ(view->virtualGridView->graphicAttributes().size(), 1u);
    EXPECT_EQ(view->virtualGridView->graphicAttributes()[0].index, 17);
    EXPECT_TRUE(played().empty());

    view->directModeButton->setChecked(true);
    numberButton(17)->click();
    EXPECT_EQ(clickedCells(played()), (std::vector<std::size_t>{17}));
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 2u);
    view->clearButton->click();
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("Total:0"));
}

// Catches the special bet's records or counts lost on the way to the preview, or BET playing it unsorted.
TEST_F(PanelFixture, SpecialButtonAddsItsSixRecords)
{
    view->specialButton->click();
    ASSERT_EQ(controller.mouseDataArray().groups().size(), 1u);
    EXPECT_EQ(controller.mouseDataArray().groups()[0].size(), 6u);
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 11"));
    std::map<long, std::string> counts;
    for (const XGraphicLabel& label : view->virtualGridView->graphicAttributes())
        counts[label.index] = label.string->toStdString();
    EXPECT_EQ(counts,
              (std::map<long, std::string>{{1, "1"}, {2, "3"}, {6, "1"}, {13, "1"}, {24, "4"}, {25, "1"}}));
    // BET plays the bet merged, in the cells' order.
    view->betButton->click();
    EXPECT_EQ(clickedCells(afterHandOver(played())),
              (std::vector<std::size_t>{1, 2, 2, 2, 6, 13, 24, 24, 24, 24, 25}));
}

// Catches a lock that leaves the grid editable or the panel under the grid.
TEST_F(PanelFixture, GridLockSetsTheOverlayStateAndTheWindowLevel)
{
    QWidget* window = view->window();
    XGridWindowController* overlay = controller.gridWindowController();
    view->gridLockButton->setChecked(false);
    EXPECT_TRUE(overlay->isWindowEnabled());
    EXPECT_EQ(platform.windowLevel(*window), XNormalWindowLevel);
    view->gridLockButton->setChecked(true);
    EXPECT_FALSE(overlay->isWindowEnabled());
    EXPECT_EQ(platform.windowLevel(*window), platform.windowLevel(*overlay->window()) - 1);
}

// Catches the drag switch or the pause field not reaching the run, a drag at the wrong point, the grid
// taken off the screen for an X11 run.
TEST_F(PanelFixture, DragAndDelayControlsReachPlayback)
{
    view->needMouseDragButton->setChecked(true);
    view->delayClickTextField->setText(QStringLiteral("2"));
    numberButton(3)->click();
    QWidget* grid = controller.gridWindowController()->window();
    view->betButton->click();
    EXPECT_TRUE(grid->isVisible()) << "X11 runs click with the grid on the screen";
    const auto actions = afterHandOver(played());
    ASSERT_EQ(actions.size(), 7u);
    const QPointF p = cellPoint(3);
    EXPECT_TRUE(actions[0].isEvent(XLeftMouseDown, p));
    EXPECT_TRUE(actions[2].isEvent(XLeftMouseDragged, p + QPointF(2, 0)));
    EXPECT_TRUE(actions[3].isSleep(100));
    EXPECT_TRUE(actions[4].isEvent(XLeftMouseUp, p));
    EXPECT_TRUE(actions.back().isSleep(2000));
}

// Catches the mode or the bet not saved at close or not restored, or its groups merged.
TEST(PanelPersistence, TheModeAndTheBetComeBackInOrder)
{
    XFakePlatform platform;
    {
        XGridManagerViewController controller(platform);
        XGridManagerView* view = controller.view();
        view->directModeButton->setChecked(true);
        controller.addMouseDatas({XMouseData::mouseDataWithIndex(5, 1)}, true);
        controller.addMouseDatas({XMouseData::mouseDataWithIndex(0, 1), XMouseData::mouseDataWithIndex(3, 1)},
                                 true);
    }
    platform.reopenPreferences();
    XGridManagerViewController controller(platform);
    XGridManagerView* view = controller.view();
    EXPECT_EQ(controller.directMode(), 1u);
    EXPECT_TRUE(view->directModeButton->isChecked());
    ASSERT_EQ(controller.mouseDataArray().groups().size(), 2u);
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 3"));
    controller.clickUndoButton();
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 1"));
}

// Catches a Stop that lets the run or the runs waiting go on, and wrong progress.
TEST_F(PanelFixture, TheRunShowsItsProgressAndStopEndsItAndThoseWaiting)
{
    XRunStatusView* status = controller.runStatusView();
    ASSERT_TRUE(status);
    EXPECT_FALSE(status->stopButton()->isEnabled()) << "Stop with nothing to stop";
    platform.setSleepsForReal(true);
    view->delayClickTextField->setText(QStringLiteral("30"));
    for (std::uint64_t cell = 1; cell <= 20; ++cell)
        controller.addMouseDatas({XMouseData::mouseDataWithIndex(cell, 1)}, true);
    view->betButton->click();
    view->betButton->click();
    ASSERT_TRUE(waitFor([&] { return status->statusText().startsWith(QStringLiteral("Clicking 2 of 20")); }))
        << status->statusText().toStdString();
    EXPECT_TRUE(status->statusText().contains(QStringLiteral("1 run waiting")));
    EXPECT_TRUE(status->stopButton()->isEnabled());

    status->stopButton()->click();
    ASSERT_TRUE(waitFor([&] { return status->statusText().startsWith(QStringLiteral("Stopped with Stop")); }))
        << status->statusText().toStdString();
    EXPECT_TRUE(status->statusText().endsWith(QStringLiteral(" of 20 clicks")));
    EXPECT_TRUE(waitFor([&] { return !status->stopButton()->isEnabled(); }));
}

// Catches the desktop's one question per login left unsaid on the run line.
TEST_F(PanelFixture, TheDesktopsConsentNoteShowsOnTheRunLine)
{
    Q_EMIT controller.playbackQueue().clickNote(XClickNote::ConsentOncePerSession);
    EXPECT_TRUE(controller.runStatusView()->statusText().endsWith(QStringLiteral("once per login")));
}
