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
    qRegisterMetaType<XClickNote>();
    // On the press: a held Escape must not let the run go on until it comes up.
    m_platform.hotKeys().setHandler(
        kStopSignature, [this](const XHotKeyEvent&) { stopAll(XRunEnd::EscapeKey); }, XHotKeyFires::OnPress);
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

void XPlaybackQueue::publishTargets()
{
    XClickTargets targets;
    for (const XScreenInfo& screen : m_platform.screens())
        targets.monitors.push_back(XDeviceArea(screen));
    targets.ownWindows = m_platform.ownWindows();
    const std::lock_guard lock(m_mutex);
    m_targets = std::move(targets);
}

void XPlaybackQueue::enqueue(XPlaybackRun run)
{
    publishTargets();
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(std::move(run));
    }
    if (!m_active) {
        m_active = true;
        // Before the worker wakes: Escape works from the first click, and what makes way
        // for the clicks has done so.
        grabEscape(true);
        m_pollTimer.start();
        Q_EMIT activeChanged(true);
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
    if (!dropped.empty() && QThread::currentThread() == thread())
        Q_EMIT pendingChanged();
}

bool XPlaybackQueue::clicksThroughPortal() const
{
    return m_platform.clicksThroughPortal();
}

void XPlaybackQueue::openTheWay()
{
    XPlaybackRun run;
    run.opensOnly = true;
    run.controls = std::make_shared<const XPlaybackControls>();
    enqueue(std::move(run));
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

QString XPlaybackQueue::describe(const Ended& end)
{
    switch (end.reason) {
    case XRunEnd::ClickNotTaken:
        return tr("click %1").arg(end.clicked);
    case XRunEnd::PointRefused:
    case XRunEnd::OwnWindow:
        if (end.record < 0)
            return {};
        return end.cells ? tr("cell %1").arg(end.record) : tr("action %1").arg(end.record);
    default:
        return {};
    }
}

void XPlaybackQueue::poll()
{
    // Windows move and open while runs click.
    publishTargets();
    std::vector<Ended> ended;
    std::vector<XClickNote> notes;
    bool progressed = false;
    bool idle = false;
    int clicked = 0, total = 0;
    {
        const std::lock_guard lock(m_mutex);
        ended.swap(m_ended);
        notes.swap(m_notes);
        progressed = m_running && m_progressSerial != m_progressSeen;
        m_progressSeen = m_progressSerial;
        clicked = m_clicked;
        total = m_total;
        idle = !m_running && m_waiting.empty();
    }
    for (const XClickNote note : notes)
        Q_EMIT clickNote(note);
    for (const Ended& e : ended)
        Q_EMIT runEnded(e.reason, e.clicked, e.total, describe(e));
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
    // Kept from the first run's turn until no run waits: the user's input is watched
    // between runs too, and a move after one run's last click stops the next.
    std::unique_ptr<XMousePoster> poster;
    for (;;) {
        XPlaybackRun run;
        std::stop_token runStop;
        int total = 0;
        {
            std::unique_lock lock(m_mutex);
            if (m_waiting.empty() && poster) {
                lock.unlock();
                poster.reset();
                lock.lock();
            }
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
        if (!poster) {
            poster = m_platform.createMousePoster();
            poster->setNoteHandler([this](XClickNote note) {
                const std::lock_guard lock(m_mutex);
                m_notes.push_back(note);
            });
        }
        const XRunResult result = XPlayRun(
            *poster, run, runStop,
            [this](int clicked) {
                const std::lock_guard lock(m_mutex);
                m_clicked = clicked;
                ++m_progressSerial;
            },
            [this] {
                const std::lock_guard lock(m_mutex);
                return m_targets;
            });
        {
            const std::lock_guard lock(m_mutex);
            const XRunEnd end = result.outcome == XRunEnd::StopButton ? m_stopReason : result.outcome;
            // Whatever ended a run early, what waits would click where the user no longer
            // expects it.
            if (!XRunEndLetsOthersFollow(end))
                m_waiting.clear();
            int record = -1;
            if (result.record >= 0 && result.record < static_cast<int>(run.list.size()))
                record = run.cells ? static_cast<int>(run.list[result.record].index()) : result.record + 1;
            m_ended.push_back({end, result.clicked, total, record, run.cells});
            m_running = false;
        }
        // What the user did is the poster's to remember only while it stops runs: a run
        // queued after a stop starts with a fresh look.
        if (!XRunEndLetsOthersFollow(result.outcome))
            poster.reset();
        m_changed.notify_all();
    }
}
