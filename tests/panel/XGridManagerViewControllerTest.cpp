#include "PlaybackExpectations.h"

#include <numeric>

using Cells = std::vector<std::size_t>;

// Catches a press that clicks, or BET playing the bet unsorted or emptied.
TEST_F(ControllerFixture, WithoutDirectModePressesOnlyComposeAndBetPlaysTheMergedBet)
{
    press({17});
    press({3});
    press({17, 5});
    EXPECT_TRUE(played().empty());
    EXPECT_EQ(controller.totalCountText(), QStringLiteral("SUM = 4"));
    ASSERT_EQ(controller.graphicAttributes().size(), 3u);
    EXPECT_EQ(controller.graphicAttributes()[2].index, 17);
    EXPECT_EQ(controller.graphicAttributes()[2].string, QStringLiteral("2"));

    controller.clickApplyAllActionButton();
    EXPECT_EQ(clickedCells(played()), (Cells{3, 5, 17, 17}));
    // Playing leaves the bet as it was.
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 3u);
}

// Catches direct mode replaying the whole bet on each press.
TEST_F(ControllerFixture, DirectModePlaysEachPressAloneInItsOwnOrder)
{
    press({36});
    controller.clickDirectModeButton(true);
    EXPECT_EQ(controller.directMode(), 1u);
    press({0, 3});
    EXPECT_EQ(clickedCells(played()), (Cells{0, 3}));
    press({9, 2, 9});
    EXPECT_EQ(clickedCells(played()), (Cells{9, 2, 9}));
    controller.clickApplyAllActionButton();
    EXPECT_EQ(clickedCells(played()), (Cells{0, 2, 3, 9, 9, 36}));
}

// Catches Reverse clicking a bet number, or an empty bet that clicks.
TEST_F(ControllerFixture, ReverseAndEmptyBets)
{
    controller.clickApplyAllActionButton();
    EXPECT_TRUE(played().empty());

    controller.clickApplyAllReverseActionButton();
    Cells all(37);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(clickedCells(played()), all);

    for (std::uint64_t i = 0; i <= 35; ++i)
        press({i});
    controller.clickApplyAllReverseActionButton();
    EXPECT_EQ(clickedCells(played()), (Cells{36}));
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

// Catches a bad pause text used as is, or a drag at the wrong point.
TEST_F(ControllerFixture, DelayTextsAndTheDragSwitch)
{
    controller.addMouseDatas({XMouseData::mouseDataWithIndex(7, 1)}, true);
    for (const auto& [text, micros] : std::vector<std::pair<const char*, std::int64_t>>{
             {"2", 2000}, {"abc", 1000}, {"0", 1000}, {"-3", 1000}, {"", 1000}}) {
        controller.playbackControls().setDelayText(QString::fromLatin1(text));
        controller.clickApplyAllActionButton();
        EXPECT_TRUE(played().back().isSleep(micros)) << text;
    }
    controller.playbackControls().setNeedMouseDrag(true);
    controller.clickApplyAllActionButton();
    const auto actions = afterHandOver(played());
    ASSERT_EQ(actions.size(), 7u);
    const QPointF p = cellPoint(7);
    EXPECT_TRUE(actions[0].isEvent(XLeftMouseDown, p));
    EXPECT_TRUE(actions[2].isEvent(XLeftMouseDragged, p + QPointF(2, 0)));
    EXPECT_TRUE(actions[3].isSleep(100));
    EXPECT_TRUE(actions[4].isEvent(XLeftMouseUp, p));
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
