#include "XClickPlayback.h"

#include "XBetList.h"
#include "XClickDelay.h"
#include "XEvent.h"

#include <chrono>

namespace {
constexpr std::int64_t kActivationPause = 1000;
}

void XPlaybackControls::setDelayText(const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_delayText = text;
}

QString XPlaybackControls::delayText() const
{
    const std::lock_guard lock(m_mutex);
    return m_delayText;
}

void XPlaybackControls::setPanelWindow(bool isKey, const QRectF& deviceFrame)
{
    const std::lock_guard lock(m_mutex);
    m_panelWindowIsKey = isKey;
    m_panelWindowFrame = deviceFrame;
}

bool XPlaybackControls::panelWindowIsKeyAndMisses(QPointF p) const
{
    const std::lock_guard lock(m_mutex);
    return m_panelWindowIsKey && !XContainScreenPoint(m_panelWindowFrame, p);
}

XClickPlayback::XClickPlayback(XPlatform& platform, std::shared_ptr<const XPlaybackControls> controls)
    : m_platform(platform), m_controls(std::move(controls))
{
}

XClickPlayback::~XClickPlayback()
{
    stopAll();
}

void XClickPlayback::stopAll()
{
    for (Run& run : m_runs)
        run.thread.request_stop();
    m_runs.clear(); // jthread joins
}

void XClickPlayback::start(std::vector<XMouseData> list, bool reverse, std::size_t cellCount,
                           XCellLocator locator)
{
    std::erase_if(m_runs, [](const Run& run) { return run.done->load(); });
    if (reverse)
        list = XReverseMouseDatas(list, cellCount);
    auto done = std::make_shared<std::atomic<bool>>(false);
    {
        const std::lock_guard lock(m_activity->mutex);
        ++m_activity->running;
    }
    std::jthread thread([&platform = m_platform, controls = m_controls, activity = m_activity, done,
                         list = std::move(list), locator = std::move(locator)](std::stop_token stop) {
        theadForMouseClick(stop, platform, *controls, locator, list);
        *done = true;
        const std::lock_guard lock(activity->mutex);
        --activity->running;
        activity->idle.notify_all();
    });
    m_runs.push_back({std::move(done), std::move(thread)});
}

int XClickPlayback::runningCount() const
{
    const std::lock_guard lock(m_activity->mutex);
    return m_activity->running;
}

bool XClickPlayback::waitUntilIdle(int timeoutMs) const
{
    std::unique_lock lock(m_activity->mutex);
    return m_activity->idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [this] { return m_activity->running == 0; });
}

void XClickPlayback::theadForMouseClick(std::stop_token stop, XPlatform& platform,
                                        const XPlaybackControls& controls, const XCellLocator& locator,
                                        std::vector<XMouseData> list)
{
    const std::unique_ptr<XMousePoster> poster = platform.createMousePoster();
    bool firstClick = true;
    for (const XMouseData& record : list) {
        if (record.clickCount() == 0)
            continue;
        const QPointF point = locator(record.index());
        for (std::uint64_t n = 0; n < record.clickCount(); ++n) {
            if (stop.stop_requested())
                return;
            // The window under the first cell is made the active one before it is clicked:
            // while a window manager is still handing the focus over it holds the pointer,
            // and a release can land where the next click moves it. When the panel's window
            // was the active one, the hand-over also gets the 1 ms it was given on the
            // original system (where the first click only activated the other window, and
            // a second bet on the first cell was placed by an extra click).
            if (firstClick) {
                poster->activateWindowAt(point);
                if (controls.panelWindowIsKeyAndMisses(point))
                    poster->sleepMicroseconds(kActivationPause, stop);
            }
            firstClick = false;
            XEvent::postMouseDownUpEventWithCursorPosition(*poster, point, controls.needMouseDrag(), stop);
            poster->sleepMicroseconds(XClickDelayMicroseconds(controls.delayText()), stop);
        }
    }
}
