#pragma once

#include "XPlaybackRun.h"

#include <QObject>
#include <QTimer>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>

class XPlatform;

// The one line of clicks on this display: runs of both panels play one after the other,
// never side by side (they share the pointer), on a worker thread of the queue. The X
// connection is opened when the first run's turn comes and kept until the last one is
// through, so that the user's mouse and keyboard are watched between runs too. Stopping
// ends the running one before its next click (a started click is completed) and drops
// those waiting. While runs click, Escape is grabbed to stop them.
class XPlaybackQueue : public QObject
{
    Q_OBJECT
public:
    explicit XPlaybackQueue(XPlatform& platform, QObject* parent = nullptr);
    // Stops everything and joins the worker.
    ~XPlaybackQueue() override;

    // Main thread.
    void enqueue(XPlaybackRun run);
    // Any thread.
    void stopAll(XRunEnd reason = XRunEnd::StopButton);
    // Running and waiting runs.
    int pendingCount() const;
    int waitingCount() const;
    // Clicks go through the desktop's remote control (Wayland), which the user allows.
    bool clicksThroughPortal() const;
    // Asks the desktop now for the way for clicks, in the line of runs.
    void openTheWay();
    // For tests and tools: waits until no run is left, up to the timeout.
    bool waitUntilIdle(int timeoutMs) const;

Q_SIGNALS:
    // All on the main thread, from what the worker left for it a moment before.
    // `clicked` of `total` clicks of the running run.
    void progressChanged(int clicked, int total);
    // `where` names what it stopped at ("cell 17", "action 3", "click 5"), or is empty.
    void runEnded(XRunEnd reason, int clicked, int total, const QString& where);
    // True when a run is added to an idle queue, false once the last one has ended.
    void activeChanged(bool active);
    // A run was added or dropped.
    void pendingChanged();
    // Escape could not be had for stopping (another program holds it); sent once.
    void escapeUnavailable();
    // What the user should know about how clicks reach other programs; each said once.
    void clickNote(XClickNote note);

private:
    struct Ended
    {
        XRunEnd reason;
        int clicked;
        int total;
        // What it stopped at: a cell, or an action's place in its list (from 1); -1: none.
        int record;
        bool cells;
    };

    void work(std::stop_token shutdown);
    // Hands what the worker did to the main thread's signals.
    void poll();
    void grabEscape(bool active);
    // What runs must keep off, as the main thread sees it now.
    void publishTargets();
    static QString describe(const Ended& end);

    XPlatform& m_platform;
    mutable std::mutex m_mutex;
    mutable std::condition_variable_any m_changed;
    // Under m_mutex: what waits, what runs, and what the worker reports.
    std::deque<XPlaybackRun> m_waiting;
    bool m_running = false;
    std::stop_source m_runStop;
    XRunEnd m_stopReason = XRunEnd::StopButton;
    int m_clicked = 0;
    int m_total = 0;
    std::uint64_t m_progressSerial = 0;
    std::vector<Ended> m_ended;
    XClickTargets m_targets;
    std::vector<XClickNote> m_notes;
    // Main thread only.
    QTimer m_pollTimer;
    bool m_active = false;
    std::uint64_t m_progressSeen = 0;
    bool m_escapeGrabbed = false;
    bool m_escapeUnavailableTold = false;
    // Last: started when everything it reads exists.
    std::jthread m_worker;
};
