#include "PlaybackExpectations.h"

#include <algorithm>
#include <numeric>

using Cells = std::vector<std::size_t>;

// Catches Reverse clicking out of order, or an empty bet that clicks.
TEST_F(ControllerFixture, ReverseAndEmptyBets)
{
    controller.clickApplyAllActionButton();
    EXPECT_TRUE(played().empty());
    controller.clickApplyAllReverseActionButton();
    Cells all(37);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(clickedCells(played()), all);
}

// Catches a click without its up, or the pause missing or misread.
TEST_F(ControllerFixture, EachClickIsDownUpWithItsGapsThenThePause)
{
    controller.addMouseDatas({XMouseData::mouseDataWithIndex(4, 3)}, true);
    controller.playbackControls().setDelayText(QStringLiteral("0.5"));
    controller.clickApplyAllActionButton();
    const auto actions = afterHandOver(played());
    ASSERT_EQ(actions.size(), 15u);
    const QPointF p = cellPoint(4);
    for (std::size_t click = 0; click < 3; ++click) {
        const XPostedAction* a = &actions[click * 5];
        EXPECT_TRUE(a[0].isEvent(XLeftMouseDown, p));
        EXPECT_TRUE(a[1].isSleep(100));
        EXPECT_TRUE(a[2].isEvent(XLeftMouseUp, p));
        EXPECT_TRUE(a[3].isSleep(100));
        EXPECT_TRUE(a[4].isSleep(500));
    }
}

// Catches the first click swallowed by activating the table's window.
TEST_F(ControllerFixture, AnActivePanelWindowHandsOverToTheTableBeforeTheFirstClick)
{
    controller.addMouseDatas({XMouseData::mouseDataWithIndex(1, 1), XMouseData::mouseDataWithIndex(2, 1)},
                             true);
    // The panel's window is active and the cells lie outside it: the window under the
    // first cell is activated, 1 ms passes, then each cell gets exactly its clicks.
    controller.playbackControls().setPanelWindow(true, QRectF(0, 0, 300, 300));
    controller.clickApplyAllActionButton();
    const auto handedOver = played();
    ASSERT_GE(handedOver.size(), 2u);
    EXPECT_TRUE(handedOver[0].isActivation(cellPoint(1)));
    EXPECT_TRUE(handedOver[1].isSleep(1000));
    EXPECT_EQ(clickedCells(handedOver), (Cells{1, 2}));

    // Otherwise the window under the first cell is still made active once, without the pause.
    for (const QRectF panel : {QRectF(0, 0, 300, 300), QRectF(0, 400, 300, 300)}) {
        controller.playbackControls().setPanelWindow(panel.top() > 0,
                                                     panel); // inactive, or active away from the cells
        controller.clickApplyAllActionButton();
        const auto actions = played();
        ASSERT_GT(actions.size(), 2u);
        EXPECT_TRUE(actions[0].kind == XPostedAction::Activate && actions[1].kind == XPostedAction::Event);
        EXPECT_EQ(std::count_if(actions.begin(), actions.end(),
                                [](const XPostedAction& a) { return a.kind == XPostedAction::Activate; }),
                  1);
    }
}

// Catches SUM or the preview out of step after Undo or Clear.
TEST_F(ControllerFixture, UndoAndClearKeepTheLabelsRight)
{
    press({5});
    press({5});
    EXPECT_EQ(controller.totalCountText(), QStringLiteral("SUM = 2"));
    controller.clickUndoButton();
    EXPECT_EQ(controller.totalCountText(), QStringLiteral("SUM = 1"));
    controller.clickCancelAllActionButton();
    EXPECT_EQ(controller.totalCountText(), QStringLiteral("Total:0"));
    EXPECT_TRUE(controller.graphicAttributes().empty());
    controller.clickUndoButton();
    EXPECT_EQ(controller.totalCountText(), QStringLiteral("SUM = 0"));
    EXPECT_TRUE(played().empty());
}

// Catches clicks at (0, 0) when no grid was fitted.
TEST(XGridManagerViewController, NoGridMeansNoClicksRatherThanClicksAtTheOrigin)
{
    XFakePlatform platform;
    XGridManagerViewController controller(platform);
    controller.addMouseDatas({XMouseData::mouseDataWithIndex(3, 1)}, true);
    controller.clickApplyAllActionButton();
    EXPECT_TRUE(controller.playbackQueue().waitUntilIdle(1000));
    EXPECT_TRUE(platform.postedActions().empty());
}
