#pragma once

#include "XMouseData.h"

#include "platform/XPlatform.h"

#include <QRectF>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// What a run reads while it clicks. The main thread publishes it; runs read it before
// every click.
class XPlaybackControls
{
public:
    void setNeedMouseDrag(bool on) { m_needMouseDrag = on; }
    bool needMouseDrag() const { return m_needMouseDrag; }
    void setDelayText(const QString& text);
    QString delayText() const;
    // The window holding the panel: whether it is the active one, and its frame in
    // global device pixels.
    void setPanelWindow(bool isKey, const QRectF& deviceFrame);
    // True when the panel's window is active and the point lies outside it: the window
    // under the point is then activated before the first click of a run.
    bool panelWindowIsKeyAndMisses(QPointF devicePoint) const;

private:
    std::atomic<bool> m_needMouseDrag{false};
    mutable std::mutex m_mutex;
    QString m_delayText;
    bool m_panelWindowIsKey = false;
    QRectF m_panelWindowFrame;
};

// Where a cell is on the screen, in global device pixels; called from playback threads.
using XCellLocator = std::function<QPointF(std::size_t index)>;

// Plays bets as real clicks, each run on a thread of its own. Runs are not serialised;
// when the playback goes away, running ones stop before their next click and are joined.
class XClickPlayback
{
public:
    XClickPlayback(XPlatform& platform, std::shared_ptr<const XPlaybackControls> controls);
    ~XClickPlayback();
    XClickPlayback(const XClickPlayback&) = delete;
    XClickPlayback& operator=(const XClickPlayback&) = delete;

    // Plays `list` (taken by value: the run owns its copy), or with reverse every cell
    // below cellCount that the list does not click, at the points the locator gives.
    void start(std::vector<XMouseData> list, bool reverse, std::size_t cellCount, XCellLocator locator);
    int runningCount() const;
    // For tests and tools: waits until no run is left, up to the timeout.
    bool waitUntilIdle(int timeoutMs) const;
    void stopAll();

private:
    struct Run
    {
        std::shared_ptr<std::atomic<bool>> done;
        std::jthread thread;
    };
    // Shared with the runs, which count themselves out when they end.
    struct Activity
    {
        mutable std::mutex mutex;
        mutable std::condition_variable idle;
        int running = 0;
    };

    static void theadForMouseClick(std::stop_token stop, XPlatform& platform,
                                   const XPlaybackControls& controls, const XCellLocator& locator,
                                   std::vector<XMouseData> list);

    XPlatform& m_platform;
    std::shared_ptr<const XPlaybackControls> m_controls;
    std::vector<Run> m_runs;
    std::shared_ptr<Activity> m_activity = std::make_shared<Activity>();
};
