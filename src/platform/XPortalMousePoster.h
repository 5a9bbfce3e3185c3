#pragma once

#include "XDeadlineSleeper.h"
#include "XMousePoster.h"
#include "XPortalRemoteDesktop.h"
#include "XScreenInfo.h"

#include <functional>
#include <memory>
#include <optional>

// Where a global device point lands in the shared monitors' streams.
struct XStreamPoint
{
    std::uint32_t node = 0;
    QPointF point; // in the stream's own coordinates
};

// The monitor (of `screens`, as Qt sees them) that holds the device point, and the stream
// that shows that monitor: the point's place on the monitor, scaled to the stream's size.
// Qt keeps every monitor's origin unscaled, as the compositor places it, which is how a
// monitor finds its stream. Without monitors the point is taken as the compositor's own.
// Nothing when no shared stream shows the point.
std::optional<XStreamPoint> XStreamPointFor(QPointF devicePoint, const std::vector<XScreenInfo>& screens,
                                            const std::vector<XPortalStream>& streams);

// Posts through the desktop's remote-control portal, for native Wayland windows. The
// session opens before the first click (the desktop may ask the user) and lives in
// `session`, which outlives the poster. When the desktop has no such portal, clicks go
// through `fallback` (XTest into XWayland) and the user is told once.
//
// What Wayland does not give a client, and what this poster does instead:
// - the pointer's position and the user's own mouse and keys: not readable, so a moved
//   mouse or a press of the user's does not end a run here (Stop does; Escape does while
//   an X11 window of the session has the keyboard, through the XWayland grab);
// - whether a window took the release: the portal's acknowledgement of every event
//   posted stands in for it (an event it refuses means the session is gone);
// - window stacking: one of this program's windows that takes input over the point
//   refuses the click even when something covers it.
class XPortalMousePoster : public XMousePoster
{
public:
    using Fallback = std::function<std::unique_ptr<XMousePoster>()>;
    using Screens = std::function<std::vector<XScreenInfo>()>;
    XPortalMousePoster(XPortalRemoteDesktop& session, Screens screens, Fallback fallback);

    XClickVerdict prepare(std::stop_token stop) override;
    bool reachesWaylandWindows() const override { return !m_fallback; }
    void postMouseEvent(XMouseEventType type, QPointF devicePoint) override;
    void activateWindowAt(QPointF devicePoint) override;
    void sleepMicroseconds(std::int64_t micros, std::stop_token stop) override;
    std::optional<QPointF> pointerPosition() override;
    XClickVerdict beginClick(QPointF devicePoint, const std::vector<XOwnWindow>& ownWindows) override;
    void endClick() override;
    XClickVerdict pauseWatching(std::int64_t micros, std::stop_token stop) override;
    XClickVerdict finish() override;

    // The gap between the motion and the press: a press at the same instant as the motion
    // is lost by XWayland windows. The compositor finds the window under a moved pointer
    // only at its next frame, so a run's first press, which may enter a window, waits
    // longer (measured under mutter: with 1 ms, a third of the runs lost their first click).
    static constexpr std::int64_t kMotionToPressMicros = 1000;
    static constexpr std::int64_t kFirstMotionToPressMicros = 40'000;
    // How long the portal may take to pass the events on. The portal's answer says only
    // that the compositor has them, not that a window took them; and the compositor may
    // hold them a while: mutter held the events after a run's first press for 1.9-3.1 s
    // when it took the keyboard from an XWayland window (the panel's) for a native one.
    static constexpr std::chrono::seconds kAcknowledgeBound{10};

private:
    XClickVerdict settled();
    XClickVerdict sessionVerdict() const;

    XPortalRemoteDesktop& m_session;
    Screens m_screens;
    Fallback m_makeFallback;
    std::unique_ptr<XMousePoster> m_fallback;
    XDeadlineSleeper m_sleeper;
    // The run's: a wait for the portal ends on Stop.
    std::stop_token m_stop;
    std::vector<XScreenInfo> m_monitors;
    std::vector<XPortalStream> m_streams;
    std::uint64_t m_generation = 0;
    bool m_dragged = false;
    bool m_firstPress = true;
};
