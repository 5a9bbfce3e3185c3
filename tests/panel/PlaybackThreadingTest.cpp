// Runs read the bet, the controls and the grid while the main thread changes them; these
// tests are meant to run under ThreadSanitizer as well.
#include "PlaybackExpectations.h"

#include "overlay/XGridWindowMainView.h"

#include <chrono>
#include <cmath>

// Catches data races between a run and the main thread.
TEST(PlaybackThreading, ARunGoesOnWhileTheBetTheControlsAndTheGridChange)
{
    XFakePlatform platform;
    platform.setSleepsForReal(true);
    XGridWindowMainView overlay(platform, QRect(0, 0, 1300, 400));
    XGridManagerViewController controller(platform);
    controller.setCellLocator(XCellLocatorFor(overlay.screenMappingChannel()));
    for (std::uint64_t i = 0; i < 37; ++i)
        controller.addMouseDatas({XMouseData::mouseDataWithIndex(i, 2)}, true);
    controller.playbackControls().setDelayText(QStringLiteral("0"));
    controller.clickApplyAllActionButton();
    controller.clickApplyAllReverseActionButton();

    for (int i = 0; controller.playbackQueue().pendingCount() > 0 && i < 2000; ++i) {
        controller.addMouseDatas({XMouseData::mouseDataWithIndex(static_cast<std::uint64_t>(i % 37), 1)},
                                 true);
        controller.applyAction(false, false);
        if (i % 3 == 0)
            controller.clickUndoButton();
        controller.playbackControls().setNeedMouseDrag(i % 2 == 0);
        controller.playbackControls().setDelayText(i % 2 ? QStringLiteral("0") : QStringLiteral("0.2"));
        controller.playbackControls().setPanelWindow(i % 2, QRectF(0, 0, 10, 10));
        overlay.graphic().moveXBy(1, 0);
        overlay.refreshScreenMapping();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_TRUE(controller.playbackQueue().waitUntilIdle(10000));

    // Every cell of the bet clicked twice, the reverse (nothing) not at all; activation
    // clicks may add one.
    const auto actions = platform.postedActions();
    std::size_t downs = 0;
    for (const XPostedAction& a : actions) {
        if (a.kind == XPostedAction::Event) {
            ASSERT_TRUE(std::isfinite(a.point.x()) && std::isfinite(a.point.y()));
            downs += a.type == XLeftMouseDown;
        }
    }
    EXPECT_GE(downs, 74u);
    EXPECT_LE(downs, 75u);
}

// Catches a closed panel that still clicks.
TEST(PlaybackThreading, ClosingThePanelStopsRunsBeforeTheirNextClick)
{
    XFakePlatform platform;
    platform.setSleepsForReal(true);
    auto controller = std::make_unique<XGridManagerViewController>(platform);
    controller->setCellLocator(ControllerFixture::cellPoint);
    for (std::uint64_t i = 1; i <= 5; ++i)
        controller->addMouseDatas({XMouseData::mouseDataWithIndex(i, 1)}, true);
    controller->playbackControls().setDelayText(QStringLiteral("2000"));
    controller->clickApplyAllActionButton();
    controller->clickApplyAllActionButton();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

    const auto started = std::chrono::steady_clock::now();
    controller.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1000));
    const std::size_t after = platform.postedActions().size();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(platform.postedActions().size(), after);
    // The first run got as far as its first click, and finished it; the second was still
    // waiting its turn and never clicked.
    std::size_t downs = 0, ups = 0;
    for (const XPostedAction& a : platform.postedActions()) {
        downs += a.isEvent(XLeftMouseDown, a.point);
        ups += a.isEvent(XLeftMouseUp, a.point);
    }
    EXPECT_EQ(downs, 1u);
    EXPECT_EQ(ups, 1u);
}
