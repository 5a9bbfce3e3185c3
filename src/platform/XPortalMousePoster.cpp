#include "XPortalMousePoster.h"

#include <cmath>
#include <limits>

namespace {
using namespace std::chrono_literals;

bool holds(const QRectF& area, QPointF p)
{
    return p.x() >= area.left() && p.x() < area.left() + area.width() && p.y() >= area.top() &&
           p.y() < area.top() + area.height();
}

// The stream that shows the monitor whose compositor origin is `origin`: the one placed
// there, else (a desktop that reports no places) the one of the same size when only one is.
const XPortalStream* streamAt(QPointF origin, QSizeF size, const std::vector<XPortalStream>& streams)
{
    for (const XPortalStream& stream : streams) {
        if (std::abs(stream.area.left() - origin.x()) < 0.5 && std::abs(stream.area.top() - origin.y()) < 0.5)
            return &stream;
    }
    if (streams.size() == 1 && std::abs(streams.front().area.width() - size.width()) < 0.5 &&
        std::abs(streams.front().area.height() - size.height()) < 0.5)
        return &streams.front();
    return nullptr;
}
} // namespace

std::optional<XStreamPoint> XStreamPointFor(QPointF devicePoint, const std::vector<XScreenInfo>& screens,
                                            const std::vector<XPortalStream>& streams)
{
    for (const XScreenInfo& screen : screens) {
        const QRectF device = XDeviceArea(screen);
        if (!holds(device, devicePoint) || device.width() <= 0 || device.height() <= 0)
            continue;
        const XPortalStream* stream = streamAt(screen.geometry.topLeft(), screen.geometry.size(), streams);
        if (!stream)
            return std::nullopt;
        // The same place on the monitor, whatever each side counts its pixels in.
        const QPointF within = devicePoint - device.topLeft();
        return XStreamPoint{stream->node, QPointF(within.x() * stream->area.width() / device.width(),
                                                  within.y() * stream->area.height() / device.height())};
    }
    if (!screens.empty())
        return std::nullopt;
    for (const XPortalStream& stream : streams) {
        if (holds(stream.area, devicePoint))
            return XStreamPoint{stream.node, devicePoint - stream.area.topLeft()};
    }
    return std::nullopt;
}

XPortalMousePoster::XPortalMousePoster(XPortalRemoteDesktop& session, Screens screens, Fallback fallback)
    : m_session(session), m_screens(std::move(screens)), m_makeFallback(std::move(fallback))
{
    XUseFineTimerSlack();
}

XClickVerdict XPortalMousePoster::prepare(std::stop_token stop)
{
    if (m_fallback)
        return m_fallback->prepare(stop);
    m_stop = stop;
    const XPortalRemoteDesktop::Snapshot opened = m_session.open(stop, [this] {
        if (m_session.firstTime(static_cast<int>(XClickNote::ConsentOncePerSession)))
            note(XClickNote::ConsentOncePerSession);
    });
    switch (opened.state) {
    case XPortalRemoteDesktop::State::Open:
        m_firstPress = true;
        m_streams = opened.streams;
        m_generation = opened.generation;
        // Monitors change seldom; a run reads them once.
        m_monitors = m_screens ? m_screens() : std::vector<XScreenInfo>{};
        return XClickVerdict::Go;
    case XPortalRemoteDesktop::State::Unavailable:
        if (m_session.firstTime(static_cast<int>(XClickNote::WaylandWindowsUnreachable)))
            note(XClickNote::WaylandWindowsUnreachable);
        if (m_makeFallback)
            m_fallback = m_makeFallback();
        if (!m_fallback)
            return XClickVerdict::RemoteFailed;
        return m_fallback->prepare(stop);
    case XPortalRemoteDesktop::State::Refused:
        return XClickVerdict::RemoteRefused;
    case XPortalRemoteDesktop::State::Unanswered:
        return XClickVerdict::RemoteUnanswered;
    case XPortalRemoteDesktop::State::Failed:
        return XClickVerdict::RemoteFailed;
    case XPortalRemoteDesktop::State::Opening:
    case XPortalRemoteDesktop::State::Closed:
        break;
    }
    // Stopped while the desktop asked: the run ends on its stop request.
    return XClickVerdict::Go;
}

void XPortalMousePoster::postMouseEvent(XMouseEventType type, QPointF devicePoint)
{
    if (m_fallback)
        return m_fallback->postMouseEvent(type, devicePoint);
    m_sleeper.markFirstEvent();
    const std::optional<XStreamPoint> target = XStreamPointFor(devicePoint, m_monitors, m_streams);
    const bool release = type == XLeftMouseUp || type == XRightMouseUp;
    const bool drag = type == XLeftMouseDragged || type == XRightMouseDragged;
    // As on X11: a release after a drag stays where the drag went.
    if (target && !(release && m_dragged))
        m_session.pointerMotion(target->node, target->point);
    m_dragged = drag;
    if (drag)
        return;
    // The desktop's portal passes events on concurrently, and one may overtake another
    // (mutter saw a release before its press, and dropped both): a button goes out only
    // once the portal has taken everything before it.
    m_session.waitAcknowledged(kAcknowledgeBound, m_stop);
    const bool press = type == XLeftMouseDown || type == XRightMouseDown;
    if (press) {
        const std::int64_t gap = m_firstPress ? kFirstMotionToPressMicros : kMotionToPressMicros;
        m_firstPress = false;
        XSleepUntilExactly(XDeadlineSleeper::Clock::now() + std::chrono::microseconds(gap), m_sleeper.spinStretch());
    }
    const bool right = type == XRightMouseDown || type == XRightMouseUp;
    m_session.pointerButton(right ? XPortalRemoteDesktop::kRightButton : XPortalRemoteDesktop::kLeftButton, press);
}

void XPortalMousePoster::activateWindowAt(QPointF devicePoint)
{
    // Wayland lets no client raise another's window; the click itself focuses it.
    if (m_fallback)
        m_fallback->activateWindowAt(devicePoint);
}

void XPortalMousePoster::sleepMicroseconds(std::int64_t micros, std::stop_token stop)
{
    if (m_fallback)
        return m_fallback->sleepMicroseconds(micros, stop);
    m_sleeper.sleepMicroseconds(micros, stop);
}

std::optional<QPointF> XPortalMousePoster::pointerPosition()
{
    if (m_fallback)
        return m_fallback->pointerPosition();
    // Wayland keeps the pointer's position from clients.
    return std::nullopt;
}

XClickVerdict XPortalMousePoster::sessionVerdict() const
{
    const XPortalRemoteDesktop::Snapshot now = m_session.snapshot();
    return now.state == XPortalRemoteDesktop::State::Open && now.generation == m_generation
               ? XClickVerdict::Go
               : XClickVerdict::RemoteEnded;
}

XClickVerdict XPortalMousePoster::settled()
{
    switch (m_session.waitAcknowledged(kAcknowledgeBound, m_stop)) {
    case XPortalRemoteDesktop::Acknowledged::All:
        return sessionVerdict();
    case XPortalRemoteDesktop::Acknowledged::Refused:
        return XClickVerdict::RemoteEnded;
    case XPortalRemoteDesktop::Acknowledged::Late:
        // Stopped while waiting: the run ends on its stop request.
        return m_stop.stop_requested() ? XClickVerdict::Go : XClickVerdict::ReleaseNotSeen;
    }
    return XClickVerdict::RemoteEnded;
}

XClickVerdict XPortalMousePoster::beginClick(QPointF devicePoint, const std::vector<XOwnWindow>& ownWindows)
{
    if (m_fallback)
        return m_fallback->beginClick(devicePoint, ownWindows);
    if (const XClickVerdict verdict = settled(); verdict != XClickVerdict::Go)
        return verdict;
    if (!XStreamPointFor(devicePoint, m_monitors, m_streams))
        return XClickVerdict::MonitorNotShared;
    for (const XOwnWindow& window : ownWindows) {
        if (window.takesInput && holds(window.deviceFrame, devicePoint))
            return XClickVerdict::OwnWindow;
    }
    return XClickVerdict::Go;
}

void XPortalMousePoster::endClick()
{
    if (m_fallback)
        m_fallback->endClick();
}

XClickVerdict XPortalMousePoster::pauseWatching(std::int64_t micros, std::stop_token stop)
{
    if (m_fallback)
        return m_fallback->pauseWatching(micros, stop);
    m_sleeper.sleepMicroseconds(micros, stop);
    return sessionVerdict();
}

XClickVerdict XPortalMousePoster::finish()
{
    if (m_fallback)
        return m_fallback->finish();
    return settled();
}
