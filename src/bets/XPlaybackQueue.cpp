#include "XPlaybackQueue.h"

#include "platform/XPlatform.h"

#include <QThread>

#include <chrono>

namespace {
// Escape alone, grabbed only while runs click, under an identifier of its own.
constexpr std::uint32_t kStopSignature = 0x73746F70; // 'stop'
constexpr std::uint32_t kEscapeId = 1;
constexpr std::uint16_t kEscapeKeyCode = 53;
// How often the main thread shows what the worker did: often enough to read as live.
constexpr int kPollMilliseconds = 25;
} // namespace

XPlaybackQueue::XPlaybackQueue(XPlatform& platform, QObject* parent) : QObject(parent), m_platform(platform)
{
    qRegisterMetaType<XRunEnd>();
    m_platform.hotKeys().setHandler(kStopSignature, [this](const XHotKeyEvent&) { stopAll(XRunEnd::EscapeKey); });
    // The worker never touches Qt: the main thread picks up its reports.
    m_pollTimer.setInterval(kPollMilliseconds);
    connect(&m_pollTimer, &QTimer::timeout, this, &XPlaybackQueue::poll);
    m_worker = std::jthread([this](std::stop_token shutdown) { work(shutdown); });
}

XPlaybackQueue::~XPlaybackQueue()
{
    stopAll(XRunEnd::Shutdown);
    m_worker.request_stop();
    m_worker.join();
    grabEscape(false);
    m_platform.hotKeys().removeHandler(kStopSignature);
}

void XPlaybackQueue::grabEscape(bool active)
{
    if (active == m_escapeGrabbed)
        return;
    if (!active) {
        m_platform.hotKeys().unregisterHotKey(kStopSignature, kEscapeId);
        m_escapeGrabbed = false;
        return;
    }
    m_escapeGrabbed = m_platform.hotKeys().registerHotKey(kStopSignature, kEscapeId, kEscapeKeyCode, 0);
    if (!m_escapeGrabbed && !m_escapeUnavailableTold) {
        m_escapeUnavailableTold = true;
        Q_EMIT escapeUnavailable();
    }
}

void XPlaybackQueue::enqueue(XPlaybackRun run)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(run));
    }
    m_changed.notify_all();
    if (!m_active) {
        m_active = true;
        // Before the first click: Escape works from the start.
        grabEscape(true);
        m_pollTimer.start();
        Q_EMIT activeChanged(true);
    }
    Q_EMIT pendingChanged();
}

void XPlaybackQueue::stopAll(XRunEnd reason)
{
    std::deque<XPlaybackRun> dropped;
    {
        const std::lock_guard lock(m_mutex);
        dropped.swap(m_waiting);
        if (m_running) {
            m_stopReason = reason;
            m_runStop.request_stop();
        }
    }
    m_changed.notify_all();
    if (!dropped.empty() && QThread::currentThread() == thread())
        Q_EMIT pendingChanged();
}

int XPlaybackQueue::waitingCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_waiting.size());
}

int XPlaybackQueue::pendingCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_waiting.size()) + (m_running ? 1 : 0);
}

bool XPlaybackQueue::waitUntilIdle(int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return !m_running && m_waiting.empty(); });
}

void XPlaybackQueue::poll()
{
    std::vector<Ended> ended;
    bool progressed = false;
    bool idle = false;
    int clicked = 0, total = 0;
    {
        const std::lock_guard lock(m_mutex);
        ended.swap(m_ended);
        progressed = m_running && m_progressSerial != m_progressSeen;
        m_progressSeen = m_progressSerial;
        clicked = m_clicked;
        total = m_total;
        idle = !m_running && m_waiting.empty();
    }
    for (const Ended& e : ended)
        Q_EMIT runEnded(e.reason, e.clicked, e.total);
    if (progressed)
        Q_EMIT progressChanged(clicked, total);
    if (idle && m_active) {
        m_active = false;
        m_pollTimer.stop();
        grabEscape(false);
        Q_EMIT activeChanged(false);
    }
}

void XPlaybackQueue::work(std::stop_token shutdown)
{
    for (;;) {
        XPlaybackRun run;
        std::stop_token runStop;
        int total = 0;
        {
            std::unique_lock lock(m_mutex);
            if (!m_changed.wait(lock, shutdown, [this] { return !m_waiting.empty(); }))
                return;
            run = std::move(m_waiting.front());
            m_waiting.pop_front();
            total = run.totalClicks();
            m_running = true;
            m_runStop = std::stop_source();
            runStop = m_runStop.get_token();
            m_clicked = 0;
            m_total = total;
            ++m_progressSerial;
        }
        XRunResult result;
        {
            // Opened only now, and closed before the next run's turn.
            const std::unique_ptr<XMousePoster> poster = m_platform.createMousePoster();
            result = XPlayRun(*poster, run, runStop, [this](int clicked) {
                const std::lock_guard lock(m_mutex);
                m_clicked = clicked;
                ++m_progressSerial;
            });
        }
        {
            const std::lock_guard lock(m_mutex);
            XRunEnd end = XRunEnd::Finished;
            if (result.outcome == XRunOutcome::PointerMoved) {
                end = XRunEnd::PointerMoved;
                // The user took the mouse back: what waits would click where they no longer expect.
                m_waiting.clear();
            } else if (result.outcome == XRunOutcome::Stopped) {
                end = m_stopReason;
            }
            m_ended.push_back({end, result.clicked, total});
            m_running = false;
        }
        m_changed.notify_all();
    }
}
