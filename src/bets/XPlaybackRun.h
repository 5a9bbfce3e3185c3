#pragma once

#include "XMouseData.h"
#include "XPlaybackControls.h"
#include "platform/XMousePoster.h"

#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

// Where a record is clicked, in global device pixels; asked on the worker before the
// record's clicks.
using XRecordLocator = std::function<QPointF(const XMouseData& record)>;

// One run: what it clicks and how.
struct XPlaybackRun
{
    std::vector<XMouseData> list;
    XRecordLocator locate;
    // The drag switch, the pause and the panel's window, read while it clicks.
    std::shared_ptr<const XPlaybackControls> controls;
    // A bet's cells (named by their index), else actions (named by their place in the list).
    bool cells = false;
    // Clicks nothing: only opens the way for clicks, so that the desktop asks the user now
    // rather than at the next bet.
    bool opensOnly = false;

    // Clicks in all: click counts of 0 are skipped.
    int totalClicks() const;
};

// A run that plays a bet's cells through a cell locator.
XPlaybackRun XCellRun(std::vector<XMouseData> list, XCellLocator locator,
                      std::shared_ptr<const XPlaybackControls> controls);

// What a run must not click: anything off these monitors, and these windows of ours.
// All in global device pixels; no monitors means they are not known, and not checked.
struct XClickTargets
{
    std::vector<QRectF> monitors;
    std::vector<XOwnWindow> ownWindows;
};

// Why a run ended. Every end but Finished drops the runs waiting behind it. A run asked to
// stop ends StopButton; its queue knows which stop it was (Stop, Escape, shutting down).
enum class XRunEnd
{
    Finished,
    StopButton,    // Stop pressed in a panel
    EscapeKey,     // Escape pressed anywhere
    PointerMoved,  // the user took the mouse away
    UserClicked,   // the user clicked or scrolled
    ClickNotTaken, // a click's release never reached the table
    PointRefused,  // a point is not a number or on no monitor
    OwnWindow,     // a point lies on one of this program's windows
    DisplayLost,
    Shutdown,
    // Wayland: what became of the desktop's remote control (see XClickVerdict).
    RemoteRefused,
    RemoteUnanswered,
    RemoteFailed,
    RemoteEnded,
    MonitorNotShared,
    // The end of a run that only opens the way: clicks reach native Wayland windows, or
    // (the desktop has no remote control) only X11 ones.
    RemoteAllowed,
    RemoteUnavailable,
};

// Runs waiting behind a run that ended so go on; after any other end they would click
// where the user no longer expects it.
bool XRunEndLetsOthersFollow(XRunEnd end);

struct XRunResult
{
    XRunEnd outcome = XRunEnd::Finished;
    int clicked = 0;
    // The record (0-based, in the run's list) it stopped at; -1 when it did not stop at one.
    int record = -1;
};

// Plays the run on the calling thread. Before its first click every point is checked
// against the monitors, and before each click the poster checks the stop request, the
// user's own input, the previous release and this program's windows; a started click is
// always completed. `clickDone` is told the number of clicks done after each.
XRunResult XPlayRun(XMousePoster& poster, const XPlaybackRun& run, std::stop_token stop,
                    const std::function<void(int clicked)>& clickDone = {},
                    const std::function<XClickTargets()>& targets = {});
