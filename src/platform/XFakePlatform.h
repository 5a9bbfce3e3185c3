#pragma once

#include "XFakeHotKeyService.h"
#include "XPlatform.h"
#include "XPreferenceStore.h"

#include <QHash>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// One thing a poster did: an event, or a pause.
struct XPostedAction
{
    enum Kind
    {
        Event,
        Sleep,
        Activate
    };
    Kind kind = Event;
    XMouseEventType type = XLeftMouseDown;
    QPointF point;
    std::int64_t micros = 0;
    std::thread::id thread;

    bool isEvent(XMouseEventType t, QPointF p) const
    {
        return kind == Event && type == t && point.x() == p.x() && point.y() == p.y();
    }
    bool isSleep(std::int64_t us) const { return kind == Sleep && micros == us; }
    bool isActivation(QPointF p) const
    {
        return kind == Activate && point.x() == p.x() && point.y() == p.y();
    }
};

// A platform for tests: the screens, window frames and window states are what the test
// says; what posters post and the pauses they ask for are recorded, without waiting, for
// the test to read back. The preferences live in a temporary folder.
class XFakePlatform : public XPlatform
{
public:
    XFakePlatform();

    std::vector<XScreenInfo> screens() const override { return m_screens; }
    QRectF windowFrame(const QWidget& widget) const override;
    bool windowAcceptsMouse(const QWidget& widget) const override;
    void setWindowClickThrough(QWidget& window, bool clickThrough) override;
    bool hasCompositingManager() const override { return m_compositing; }
    QImage screenSnapshot(const QRect& area) const override;
    void setPressShield(QWidget& window, bool shielded) override;
    bool pressShielded(const QWidget& window) const { return m_shielded.value(&window, false); }
    void setWindowLevel(QWidget& window, int level) override { m_levels.insert(&window, level); }
    int windowLevel(const QWidget& window) const override { return m_levels.value(&window, 0); }
    // Answers the next alerts from the script, then as Enter would (the keyboard default);
    // records them.
    int runModalAlert(const XAlert& alert, QWidget* window) override;
    bool openUrl(const QUrl& url) override;
    std::vector<XOwnWindow> ownWindows() const override;
    std::unique_ptr<XMousePoster> createMousePoster() override;
    bool clicksThroughPortal() const override { return m_clicksThroughPortal; }
    void setClicksThroughPortal(bool through) { m_clicksThroughPortal = through; }
    XPreferenceStore& preferences() override { return *m_preferences; }
    XHotKeyService& hotKeys() override { return m_hotKeys; }
    // The same, with what tests need to refuse and fire combinations.
    XFakeHotKeyService& fakeHotKeys() { return m_hotKeys; }

    void setScreens(std::vector<XScreenInfo> screens) { m_screens = std::move(screens); }
    // This program's windows as runs see them.
    void setOwnWindows(std::vector<XOwnWindow> windows);
    // Without a frame set here, a widget is where it is placed, its origin being global.
    void setWindowFrame(const QWidget& widget, const QRectF& frame) { m_frames.insert(&widget, frame); }
    void setCompositingManager(bool running) { m_compositing = running; }
    // What the screen shows, in global logical coordinates; snapshots are cut from it.
    void setScreenImage(QImage image) { m_screenImage = std::move(image); }
    const std::vector<QRect>& snapshotAreas() const { return m_snapshotAreas; }
    // For every window whose click-through state was never set.
    void setWindowAcceptsMouse(bool accepts) { m_acceptsMouse = accepts; }
    void scriptAlertAnswers(std::vector<int> answers) { m_alertAnswers = std::move(answers); }
    const std::vector<XAlert>& shownAlerts() const { return m_shownAlerts; }
    // The level each alert's window had while the alert was up.
    const std::vector<int>& alertWindowLevels() const { return m_alertWindowLevels; }
    const std::vector<QUrl>& openedUrls() const { return m_openedUrls; }

    // Pauses are recorded, and with this also waited out (a stop request ends them).
    void setSleepsForReal(bool real) { m_sleepsForReal = real; }
    bool sleepsForReal() const { return m_sleepsForReal; }

    std::vector<XPostedAction> postedActions() const;
    void clearPostedActions();
    void record(const XPostedAction& action);
    // The pointer: where the last event put it, or where the user moved it since.
    std::optional<QPointF> pointerPosition() const;
    void moveUserPointer(QPointF devicePoint);
    // The user clicking or pressing Escape, as the posters' next look sees it.
    void pressUserInput(XClickVerdict input);
    XClickVerdict takeUserInput();
    // False: no click's release ever reaches its window (a hung table).
    void setReleasesTaken(bool taken) { m_releasesTaken = taken; }
    // What posters' prepare answers (the desktop's remote control, say), after the note.
    void setPrepared(XClickVerdict verdict, std::optional<XClickNote> note = std::nullopt)
    {
        const std::lock_guard lock(m_prepareMutex);
        m_prepareVerdict = verdict;
        m_prepareNote = note;
    }
    std::pair<XClickVerdict, std::optional<XClickNote>> prepared() const
    {
        const std::lock_guard lock(m_prepareMutex);
        return {m_prepareVerdict, m_prepareNote};
    }
    bool releasesTaken() const { return m_releasesTaken; }
    // Called on the posting thread after each recorded action (tests act at exact moments).
    void setPostObserver(std::function<void(const XPostedAction&)> observer);
    // Posters stand for X connections: how many were open at once, at the most.
    int mostOpenPosters() const { return m_mostOpenPosters; }
    void posterOpened();
    void posterClosed() { --m_openPosters; }
    // A fresh store in the same file, as after a restart.
    void reopenPreferences();
    QString preferencesFile() const;

private:
    std::vector<XScreenInfo> m_screens;
    QHash<const QWidget*, QRectF> m_frames;
    bool m_acceptsMouse = true;
    bool m_compositing = false;
    bool m_clicksThroughPortal = false;
    QImage m_screenImage;
    mutable std::vector<QRect> m_snapshotAreas;
    QHash<const QWidget*, bool> m_shielded;
    QHash<const QWidget*, bool> m_clickThrough;
    QHash<const QWidget*, int> m_levels;
    std::vector<int> m_alertAnswers;
    std::vector<XAlert> m_shownAlerts;
    std::vector<int> m_alertWindowLevels;
    std::vector<QUrl> m_openedUrls;
    std::atomic<bool> m_sleepsForReal{false};
    std::atomic<int> m_openPosters{0};
    std::atomic<int> m_mostOpenPosters{0};
    mutable std::mutex m_postedMutex;
    std::vector<XPostedAction> m_posted;
    std::optional<QPointF> m_pointer;
    std::vector<XOwnWindow> m_ownWindows;
    XClickVerdict m_userInput = XClickVerdict::Go;
    std::atomic<bool> m_releasesTaken{true};
    mutable std::mutex m_prepareMutex;
    XClickVerdict m_prepareVerdict = XClickVerdict::Go;
    std::optional<XClickNote> m_prepareNote;
    std::function<void(const XPostedAction&)> m_postObserver;
    QTemporaryDir m_preferencesDir;
    std::unique_ptr<XPreferenceStore> m_preferences;
    XFakeHotKeyService m_hotKeys;
};
