#pragma once

#include "XMouseData.h"
#include "XPlaybackControls.h"

#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

class XMousePoster;

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

    // Clicks in all: click counts of 0 are skipped.
    int totalClicks() const;
};

// A run that plays a bet's cells through a cell locator.
XPlaybackRun XCellRun(std::vector<XMouseData> list, XCellLocator locator,
                      std::shared_ptr<const XPlaybackControls> controls);

// How far the user may have nudged the pointer before a run takes it as "stop", in
// device pixels.
constexpr double kPointerMovedTolerance = 6.0;

enum class XRunOutcome
{
    Finished,
    Stopped,
    PointerMoved,
};

struct XRunResult
{
    XRunOutcome outcome = XRunOutcome::Finished;
    int clicked = 0;
};

// Plays the run on the calling thread. Before every click but the first it checks the
// stop request and that the pointer is still where the previous click left it. A started
// click is always completed. `clickDone` is told the number of clicks done after each.
XRunResult XPlayRun(XMousePoster& poster, const XPlaybackRun& run, std::stop_token stop,
                    const std::function<void(int clicked)>& clickDone = {});
