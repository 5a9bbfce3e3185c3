#include "XPlaybackRun.h"

#include "XClickDelay.h"
#include "XEvent.h"
#include "platform/XMousePoster.h"


namespace {
constexpr std::int64_t kActivationPause = 1000;
} // namespace

int XPlaybackRun::totalClicks() const
{
    std::uint64_t total = 0;
    for (const XMouseData& record : list)
        total = XAddClickCounts(total, record.clickCount());
    return static_cast<int>(std::min<std::uint64_t>(total, INT32_MAX));
}

XPlaybackRun XCellRun(std::vector<XMouseData> list, XCellLocator locator,
                      std::shared_ptr<const XPlaybackControls> controls)
{
    return {std::move(list),
            [locator = std::move(locator)](const XMouseData& record) { return locator(record.index()); },
            std::move(controls)};
}

XRunResult XPlayRun(XMousePoster& poster, const XPlaybackRun& run, std::stop_token stop,
                    const std::function<void(int)>& clickDone)
{
    const XPlaybackControls& controls = *run.controls;
    XRunResult result;
    bool firstClick = true;
    bool pointerMoved = false;
    for (const XMouseData& record : run.list) {
        if (record.clickCount() == 0)
            continue;
        const QPointF point = run.locate(record);
        // Right is chosen only by the actions' editor; bets and everything else click left.
        const XMouseButton button = record.eventType() == XRightMouseDown ? XMouseButton::Right : XMouseButton::Left;
        for (std::uint64_t n = 0; n < record.clickCount(); ++n) {
            if (stop.stop_requested()) {
                result.outcome = XRunOutcome::Stopped;
                return result;
            }
            if (pointerMoved) {
                result.outcome = XRunOutcome::PointerMoved;
                return result;
            }
            // The window under the first point is made the active one before it is
            // clicked: while a window manager is still handing the focus over it holds
            // the pointer, and a release can land where the next click moves it. When the
            // panel's window was the active one, the hand-over also gets 1 ms.
            if (firstClick) {
                firstClick = false;
                poster.activateWindowAt(point);
                if (controls.panelWindowIsKeyAndMisses(point))
                    poster.sleepMicroseconds(kActivationPause, stop);
            }
            const bool drag = controls.needMouseDrag();
            XEvent::postMouseDownUpEventWithCursorPosition(poster, point, drag, stop, button);
            ++result.clicked;
            if (clickDone)
                clickDone(result.clicked);
            pointerMoved = poster.pauseWatchingPointer(XClickDelayMicroseconds(controls.delayText()), stop,
                                                       XEvent::pointAfterClick(point, drag),
                                                       kPointerMovedTolerance);
        }
    }
    return result;
}
