#pragma once

#include "XPlaybackRun.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>

class XPlatform;

// Why a run ended.
enum class XRunEnd
{
    Finished,
    StopButton,   // Stop pressed in a panel
    EscapeKey,    // Escape pressed anywhere
    PointerMoved, // the user took the mouse away
    Shutdown,
};

// The one line of clicks on this display: runs of both panels play one after the other,
// never side by side (they share the pointer), on a worker thread of the queue. A run
// opens its X connection only when its turn comes. Stopping ends the running one before
// its next click (a started click is completed) and drops those waiting.
class XPlaybackQueue : public QObject
{
    Q_OBJECT
public:
    explicit XPlaybackQueue(XPlatform& platform, QObject* parent = nullptr);
    // Stops everything and joins the worker.
    ~XPlaybackQueue() override;

    void enqueue(XPlaybackRun run);
    void stopAll(XRunEnd reason = XRunEnd::StopButton);
    // Running and waiting runs.
    int pendingCount() const;
    int waitingCount() const;
    // For tests and tools: waits until no run is left, up to the timeout.
    bool waitUntilIdle(int timeoutMs) const;

Q_SIGNALS:
    // Emitted from the worker thread; receivers on the main thread get them queued.
    // `clicked` of `total` clicks of the running run; `waiting` runs behind it.
    void progressChanged(int clicked, int total, int waiting);
    void runEnded(XRunEnd reason, int clicked, int total);
    // True when a run starts after none, false when the last one ends.
    void activeChanged(bool active);
    // A run was added or dropped (main thread).
    void pendingChanged();
    // Escape could not be had for stopping (another program holds it); sent once.
    void escapeUnavailable();

private:
    void work(std::stop_token shutdown);
    void grabEscape(bool active);

    XPlatform& m_platform;
    // Main thread only.
    bool m_escapeGrabbed = false;
    bool m_escapeUnavailableTold = false;
    mutable std::mutex m_mutex;
    mutable std::condition_variable_any m_changed;
    std::deque<XPlaybackRun> m_waiting;
    bool m_running = false;
    std::stop_source m_runStop;
    XRunEnd m_stopReason = XRunEnd::StopButton;
    std::jthread m_worker;
};
