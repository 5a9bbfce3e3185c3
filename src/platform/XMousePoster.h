#pragma once

#include "XPointerWatch.h"

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

// Mouse event types, numbered as the stored records number them.
enum XMouseEventType : std::uint32_t
{
    XLeftMouseDown = 1,
    XLeftMouseUp = 2,
    XRightMouseDown = 3,
    XRightMouseUp = 4,
    XLeftMouseDragged = 6,
    XRightMouseDragged = 7,
};

// What stands in the way of the next click, or what ended a pause early.
enum class XClickVerdict
{
    Go,
    PointerMoved,   // the user moved the mouse more than a few pixels, in all, since the run began
    UserClicked,    // the user pressed a mouse button (or turned the wheel)
    EscapePressed,  // the user pressed Escape, in any program
    ReleaseNotSeen, // the previous click's release never reached its window
    OwnWindow,      // the point would click one of this program's own windows
    DisplayLost,    // the connection to the display is gone
    // Wayland: the desktop's remote control (the portal) that carries the clicks.
    RemoteRefused,    // the user (or the desktop) refused it
    RemoteUnanswered, // nobody answered the desktop's question in time
    RemoteFailed,     // the desktop could not start it
    RemoteEnded,      // the desktop ended it while a run clicked
    MonitorNotShared, // the point is on a monitor the desktop did not share
};

// Something the user should read once about how clicks reach other programs.
enum class XClickNote
{
    ConsentOncePerSession, // the desktop asks now, and again after each login
    WaylandWindowsUnreachable, // no remote control: only X11/XWayland windows get clicks
};

// One of this program's top-level windows, as a run sees it.
struct XOwnWindow
{
    std::uint64_t id = 0; // the native window
    QRectF deviceFrame;   // global device pixels, frame included
    bool takesInput = true; // false while clicks pass through it to what lies below
};

// How long a click's release may take to reach its window before the run gives up on it
// (a window manager's focus grab holds it for a few milliseconds, a busy browser longer).
constexpr std::int64_t kReleaseBoundMicros = 1'000'000;

// Posts synthetic mouse events system-wide and watches the user's own mouse and keyboard
// while it does. One poster per playback thread, created and used on that thread only; it
// watches from its creation to its end, across every run it plays.
class XMousePoster
{
public:
    virtual ~XMousePoster() = default;
    // Before a run's first click: makes sure clicks can be posted (on Wayland it opens the
    // desktop's remote control, which may ask the user first). Waits, unless stopped.
    virtual XClickVerdict prepare(std::stop_token) { return XClickVerdict::Go; }
    // After a prepare that said Go: clicks reach native Wayland windows too.
    virtual bool reachesWaylandWindows() const { return false; }
    // Where notes go; any thread may be the caller.
    void setNoteHandler(std::function<void(XClickNote)> handler) { m_noteHandler = std::move(handler); }
    // At a global point in device pixels.
    virtual void postMouseEvent(XMouseEventType type, QPointF devicePoint) = 0;
    // Makes the window under the point the active one, the way the window manager does
    // when it is clicked, and waits (briefly) until it is.
    virtual void activateWindowAt(QPointF devicePoint) = 0;
    // Pauses, counted from the end of the previous pause (or the first event), so that
    // the time spent posting is part of the pause. Returns at once when stop is requested.
    virtual void sleepMicroseconds(std::int64_t micros, std::stop_token stop) = 0;
    // Where the pointer is now, in global device pixels; nothing when it cannot be told.
    virtual std::optional<QPointF> pointerPosition() = 0;

    // Before each click at `devicePoint`: has the previous release been taken (waited for
    // up to kReleaseBoundMicros), has the user done anything since the last look, and
    // would the point reach one of `ownWindows` (stacking counts: one covered by another
    // program's window is not hit)? On Go nothing else moves the pointer until endClick.
    virtual XClickVerdict beginClick(QPointF devicePoint, const std::vector<XOwnWindow>& ownWindows) = 0;
    virtual void endClick() {}
    // A pause as sleepMicroseconds that ends as soon as the user moves the mouse, clicks
    // or presses Escape, and says which.
    virtual XClickVerdict pauseWatching(std::int64_t micros, std::stop_token stop) = 0;
    // After the last click: its release has been taken (or ReleaseNotSeen).
    virtual XClickVerdict finish() = 0;

protected:
    void note(XClickNote what) const
    {
        if (m_noteHandler)
            m_noteHandler(what);
    }

private:
    std::function<void(XClickNote)> m_noteHandler;
};
