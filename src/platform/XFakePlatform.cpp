#include "XFakePlatform.h"

#include <QWidget>

#include <condition_variable>
#include <utility>

namespace {
class XRecordingPoster : public XMousePoster
{
public:
    explicit XRecordingPoster(XFakePlatform& platform) : m_platform(platform) { m_platform.posterOpened(); }
    ~XRecordingPoster() override { m_platform.posterClosed(); }
    void postMouseEvent(XMouseEventType type, QPointF point) override
    {
        m_watch.placed(point);
        m_platform.record({XPostedAction::Event, type, point, 0, std::this_thread::get_id()});
    }
    void activateWindowAt(QPointF point) override
    {
        m_platform.record({XPostedAction::Activate, XLeftMouseDown, point, 0, std::this_thread::get_id()});
    }
    void sleepMicroseconds(std::int64_t micros, std::stop_token stop) override
    {
        m_platform.record({XPostedAction::Sleep, XLeftMouseDown, {}, micros, std::this_thread::get_id()});
        if (!m_platform.sleepsForReal())
            return;
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, std::chrono::microseconds(micros), [] { return false; });
    }
    std::optional<QPointF> pointerPosition() override { return m_platform.pointerPosition(); }
    XClickVerdict prepare(std::stop_token) override
    {
        const auto [verdict, told] = m_platform.prepared();
        if (told)
            note(*told);
        // As the desktop's poster: without remote control it clicks through X.
        m_reachesWayland = m_platform.clicksThroughPortal() && told != XClickNote::WaylandWindowsUnreachable;
        return verdict;
    }
    bool reachesWaylandWindows() const override { return m_reachesWayland; }

    XClickVerdict beginClick(QPointF point, const std::vector<XOwnWindow>& ownWindows) override
    {
        if (!m_platform.releasesTaken())
            return XClickVerdict::ReleaseNotSeen;
        if (const XClickVerdict seen = look(); seen != XClickVerdict::Go)
            return seen;
        // No other program's windows here: a frame that holds the point is on top.
        for (const XOwnWindow& window : ownWindows)
            if (window.takesInput && window.deviceFrame.contains(point))
                return XClickVerdict::OwnWindow;
        return XClickVerdict::Go;
    }
    XClickVerdict pauseWatching(std::int64_t micros, std::stop_token stop) override
    {
        sleepMicroseconds(micros, stop);
        return look();
    }
    XClickVerdict finish() override
    {
        return m_platform.releasesTaken() ? XClickVerdict::Go : XClickVerdict::ReleaseNotSeen;
    }

private:
    XClickVerdict look()
    {
        if (const XClickVerdict input = m_platform.takeUserInput(); input != XClickVerdict::Go)
            m_input = input;
        const auto pointer = m_platform.pointerPosition();
        m_watch.looked(pointer);
        if (m_input != XClickVerdict::Go)
            return m_input;
        return m_watch.movedTooFar() ? XClickVerdict::PointerMoved : XClickVerdict::Go;
    }

    XFakePlatform& m_platform;
    XPointerWatch m_watch;
    XClickVerdict m_input = XClickVerdict::Go;
    bool m_reachesWayland = false;
};
} // namespace

XFakePlatform::XFakePlatform() : m_screens{{QRectF(0, 0, 1920, 1080), 1.0}}
{
    reopenPreferences();
}

QRectF XFakePlatform::windowFrame(const QWidget& widget) const
{
    return m_frames.value(&widget, QRectF(widget.geometry()));
}

bool XFakePlatform::windowAcceptsMouse(const QWidget& widget) const
{
    const auto it = m_clickThrough.constFind(widget.window());
    return it == m_clickThrough.constEnd() ? m_acceptsMouse : !*it;
}

void XFakePlatform::setWindowClickThrough(QWidget& window, bool clickThrough)
{
    m_clickThrough.insert(&window, clickThrough);
    m_levels.insert(&window, clickThrough ? XShieldingWindowLevel : XFloatingWindowLevel);
}

QImage XFakePlatform::screenSnapshot(const QRect& area) const
{
    m_snapshotAreas.push_back(area);
    return m_screenImage.isNull() ? QImage() : m_screenImage.copy(area);
}

void XFakePlatform::setPressShield(QWidget& window, bool shielded)
{
    m_shielded.insert(&window, shielded);
}

int XFakePlatform::runModalAlert(const XAlert& alert, QWidget* window)
{
    m_shownAlerts.push_back(alert);
    m_alertWindowLevels.push_back(window ? windowLevel(*window->window()) : 0);
    if (m_alertAnswers.empty())
        return alert.keyboardDefault;
    const int answer = m_alertAnswers.front();
    m_alertAnswers.erase(m_alertAnswers.begin());
    return answer;
}

bool XFakePlatform::openUrl(const QUrl& url)
{
    m_openedUrls.push_back(url);
    return true;
}

std::vector<XOwnWindow> XFakePlatform::ownWindows() const
{
    const std::lock_guard lock(m_postedMutex);
    return m_ownWindows;
}

void XFakePlatform::setOwnWindows(std::vector<XOwnWindow> windows)
{
    const std::lock_guard lock(m_postedMutex);
    m_ownWindows = std::move(windows);
}

std::unique_ptr<XMousePoster> XFakePlatform::createMousePoster()
{
    return std::make_unique<XRecordingPoster>(*this);
}

void XFakePlatform::posterOpened()
{
    const int open = ++m_openPosters;
    int most = m_mostOpenPosters;
    while (open > most && !m_mostOpenPosters.compare_exchange_weak(most, open)) {
    }
}

std::vector<XPostedAction> XFakePlatform::postedActions() const
{
    const std::lock_guard lock(m_postedMutex);
    return m_posted;
}

void XFakePlatform::clearPostedActions()
{
    const std::lock_guard lock(m_postedMutex);
    m_posted.clear();
}

void XFakePlatform::record(const XPostedAction& action)
{
    std::function<void(const XPostedAction&)> observer;
    {
        const std::lock_guard lock(m_postedMutex);
        m_posted.push_back(action);
        if (action.kind == XPostedAction::Event)
            m_pointer = action.point;

        observer = m_postObserver;
    }
    if (observer)
        observer(action);
}

std::optional<QPointF> XFakePlatform::pointerPosition() const
{
    const std::lock_guard lock(m_postedMutex);
    return m_pointer;
}

void XFakePlatform::moveUserPointer(QPointF devicePoint)
{
    const std::lock_guard lock(m_postedMutex);
    m_pointer = devicePoint;
}

void XFakePlatform::pressUserInput(XClickVerdict input)
{
    const std::lock_guard lock(m_postedMutex);
    m_userInput = input;
}

XClickVerdict XFakePlatform::takeUserInput()
{
    const std::lock_guard lock(m_postedMutex);
    return std::exchange(m_userInput, XClickVerdict::Go);
}

void XFakePlatform::setPostObserver(std::function<void(const XPostedAction&)> observer)
{
    const std::lock_guard lock(m_postedMutex);
    m_postObserver = std::move(observer);
}

void XFakePlatform::reopenPreferences()
{
    if (m_preferences)
        m_preferences->synchronize();
    m_preferences.reset();
    m_preferences = std::make_unique<XPreferenceStore>(preferencesFile());
}

QString XFakePlatform::preferencesFile() const
{
    return m_preferencesDir.filePath(QStringLiteral("Tableclick.conf"));
}
