#pragma once

#include "XPlatform.h"
#include "XPreferenceStore.h"

#include <QByteArray>
#include <QObject>

#include <mutex>

class XPortalRemoteDesktop;

// The real windowing system, through Qt's xcb platform and Xlib.
class XQtPlatform : public XPlatform
{
public:
    // Before anything else touches Xlib: playback threads open connections of their own.
    static void initializeThreads();
    // After the QApplication exists. `waylandSession`: clicks go through the desktop's
    // remote-control portal, to native Wayland windows too, when the desktop has one.
    explicit XQtPlatform(bool waylandSession = false);
    ~XQtPlatform() override;

    std::vector<XScreenInfo> screens() const override;
    QRectF windowFrame(const QWidget& widget) const override;
    bool windowAcceptsMouse(const QWidget& widget) const override;
    void setWindowClickThrough(QWidget& window, bool clickThrough) override;
    bool hasCompositingManager() const override;
    QImage screenSnapshot(const QRect& area) const override;
    void setPressShield(QWidget& window, bool shielded) override;
    void setWindowLevel(QWidget& window, int level) override;
    int windowLevel(const QWidget& window) const override;
    int runModalAlert(const XAlert& alert, QWidget* window) override;
    bool openUrl(const QUrl& url) override;
    std::vector<XOwnWindow> ownWindows() const override;
    std::unique_ptr<XMousePoster> createMousePoster() override;
    bool clicksThroughPortal() const override { return m_portal != nullptr; }
    XPreferenceStore& preferences() override { return m_preferences; }
    XHotKeyService& hotKeys() override { return *m_hotKeys; }

private:
    // The monitors as the main thread last saw them, for posters on other threads.
    void publishScreens();
    std::vector<XScreenInfo> publishedScreens() const;

    QByteArray m_displayName;
    std::unique_ptr<XPortalRemoteDesktop> m_portal;
    QObject m_screenWatch;
    mutable std::mutex m_screensMutex;
    std::vector<XScreenInfo> m_screens;
    XPreferenceStore m_preferences;
    std::unique_ptr<XHotKeyService> m_hotKeys;
};
