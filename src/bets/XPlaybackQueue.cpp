#include "XPlaybackQueue.h"

#include "platform/XPlatform.h"

#include <chrono>

namespace {
// Escape alone, grabbed only while runs click, under an identifier of its own.
constexpr std::uint32_t kStopSignature = 0x73746F70; // 'stop'
constexpr std::uint32_t kEscapeId = 1;
constexpr std::uint16_t kEscapeKeyCode = 53;
} // namespace

XPlaybackQueue::XPlaybackQueue(XPlatform& platform, QObject* parent) : QObject(parent), m_platform(platform)
{
    qRegisterMetaType<XRunEnd>();
    m_platform.hotKeys().setHandler(kStopSignature, [this](const XHotKeyEvent&) { stopAll(XRunEnd::EscapeKey); });
    // Queued: the worker announces, the main thread grabs.
    connect(this, &XPlaybackQueue::activeChanged, this, &XPlaybackQueue::grabEscape, Qt::QueuedConnection);
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
    if (!dropped.empty())
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

void XPlaybackQueue::work(std::stop_token shutdown)
{
    bool active = false;
    for (;;) {
        XPlaybackRun run;
        std::stop_token runStop;
        {
            std::unique_lock lock(m_mutex);
            if (m_waiting.empty() && active) {
                active = false;
                lock.unlock();
                Q_EMIT activeChanged(false);
                lock.lock();
            }
            if (!m_changed.wait(lock, shutdown, [this] { return !m_waiting.empty(); }))
                return;
            run = std::move(m_waiting.front());
            m_waiting.pop_front();
            m_running = true;
            m_runStop = std::stop_source();
            runStop = m_runStop.get_token();
        }
        if (!active) {
            active = true;
            Q_EMIT activeChanged(true);
        }
        const int total = run.totalClicks();
        Q_EMIT progressChanged(0, total, waitingCount());
        XRunResult result;
        {
            // Opened only now, and closed before the next run's turn.
            const std::unique_ptr<XMousePoster> poster = m_platform.createMousePoster();
            result = XPlayRun(*poster, run, runStop,
                              [&](int clicked) { Q_EMIT progressChanged(clicked, total, waitingCount()); });
        }
        XRunEnd end = XRunEnd::Finished;
        {
            const std::lock_guard lock(m_mutex);
            if (result.outcome == XRunOutcome::PointerMoved) {
                end = XRunEnd::PointerMoved;
                // The user took the pointer back: what waits would click where they do not expect.
                m_waiting.clear();
            } else if (result.outcome == XRunOutcome::Stopped) {
                end = m_stopReason;
            }
            m_running = false;
        }
        m_changed.notify_all();
        Q_EMIT runEnded(end, result.clicked, total);
    }
}
