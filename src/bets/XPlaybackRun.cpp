#include "XPlaybackRun.h"

#include "XClickDelay.h"
#include "XEvent.h"
#include "XClickablePoint.h"
#include "geometry/XLinearEquation.h"
#include "platform/XMousePoster.h"

namespace {
constexpr std::int64_t kActivationPause = 1000;
} // namespace

bool XRunEndLetsOthersFollow(XRunEnd end)
{
    return end == XRunEnd::Finished || end == XRunEnd::RemoteAllowed || end == XRunEnd::RemoteUnavailable;
}

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
            std::move(controls), true};
}

namespace {
XRunEnd outcomeOf(XClickVerdict verdict)
{
    switch (verdict) {
    case XClickVerdict::Go:
        return XRunEnd::Finished;
    case XClickVerdict::PointerMoved:
        return XRunEnd::PointerMoved;
    case XClickVerdict::UserClicked:
        return XRunEnd::UserClicked;
    case XClickVerdict::EscapePressed:
        return XRunEnd::EscapeKey;
    case XClickVerdict::ReleaseNotSeen:
        return XRunEnd::ClickNotTaken;
    case XClickVerdict::OwnWindow:
        return XRunEnd::OwnWindow;
    case XClickVerdict::DisplayLost:
        return XRunEnd::DisplayLost;
    case XClickVerdict::RemoteRefused:
        return XRunEnd::RemoteRefused;
    case XClickVerdict::RemoteUnanswered:
        return XRunEnd::RemoteUnanswered;
    case XClickVerdict::RemoteFailed:
        return XRunEnd::RemoteFailed;
    case XClickVerdict::RemoteEnded:
        return XRunEnd::RemoteEnded;
    case XClickVerdict::MonitorNotShared:
        return XRunEnd::MonitorNotShared;
    }
    return XRunEnd::StopButton;
}

// The first record whose point may not be clicked; -1 when all may.
int firstRefusedPoint(const XPlaybackRun& run, const std::vector<QRectF>& monitors)
{
    for (std::size_t i = 0; i < run.list.size(); ++i) {
        if (run.list[i].clickCount() == 0)
            continue;
        const QPointF point = run.locate(run.list[i]);
        if (!XFinitePoint(point) || (!monitors.empty() && !XPointIsOnAMonitor(point, monitors)))
            return static_cast<int>(i);
    }
    return -1;
}
} // namespace

XRunResult XPlayRun(XMousePoster& poster, const XPlaybackRun& run, std::stop_token stop,
                    const std::function<void(int)>& clickDone, const std::function<XClickTargets()>& targets)
{
    const XPlaybackControls& controls = *run.controls;
    XRunResult result;
    const auto stopAt = [&](XRunEnd outcome, int record) {
        result.outcome = outcome;
        result.record = record;
        return result;
    };
    XClickTargets where = targets ? targets() : XClickTargets{};
    // Nothing of a run whose points are not all on a screen is clicked: half a bet is no bet.
    if (const int refused = firstRefusedPoint(run, where.monitors); refused >= 0)
        return stopAt(XRunEnd::PointRefused, refused);
    // Clicks only once the way for them is open: a refused one clicks nothing.
    if (const XClickVerdict ready = poster.prepare(stop); ready != XClickVerdict::Go)
        return stopAt(outcomeOf(ready), -1);
    if (run.opensOnly) {
        if (stop.stop_requested())
            return stopAt(XRunEnd::StopButton, -1);
        return stopAt(poster.reachesWaylandWindows() ? XRunEnd::RemoteAllowed : XRunEnd::RemoteUnavailable, -1);
    }
    bool firstClick = true;
    for (std::size_t r = 0; r < run.list.size(); ++r) {
        const XMouseData& record = run.list[r];
        const int position = static_cast<int>(r);
        if (record.clickCount() == 0)
            continue;
        const QPointF point = run.locate(record);
        if (targets)
            where = targets();
        // Right is chosen only by the actions' editor; bets and everything else click left.
        const XMouseButton button = record.eventType() == XRightMouseDown ? XMouseButton::Right : XMouseButton::Left;
        for (std::uint64_t n = 0; n < record.clickCount(); ++n) {
            if (stop.stop_requested())
                return stopAt(XRunEnd::StopButton, position);
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
            if (const XClickVerdict verdict = poster.beginClick(point, where.ownWindows);
                verdict != XClickVerdict::Go)
                return stopAt(outcomeOf(verdict), position);
            // beginClick may wait (for the previous release, for the desktop): a Stop
            // pressed meanwhile is not followed by one more click.
            if (stop.stop_requested()) {
                poster.endClick();
                return stopAt(XRunEnd::StopButton, position);
            }
            const bool drag = controls.needMouseDrag();
            XEvent::postMouseDownUpEventWithCursorPosition(poster, point, drag, stop, button);
            poster.endClick();
            ++result.clicked;
            if (clickDone)
                clickDone(result.clicked);
            const XClickVerdict paused = poster.pauseWatching(XClickDelayMicroseconds(controls.delayText()), stop);
            if (paused != XClickVerdict::Go)
                return stopAt(outcomeOf(paused), position);
        }
    }
    // The last release too: a table that never took it still holds the button down.
    if (const XClickVerdict finished = poster.finish(); finished != XClickVerdict::Go)
        return stopAt(outcomeOf(finished), static_cast<int>(run.list.size()) - 1);
    return result;
}
