#include "XQtPlatform.h"

#include "XInertHotKeyService.h"
#include "XX11HotKeyService.h"
#include "XX11MousePoster.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <X11/Xlib.h>

void XQtPlatform::initializeThreads()
{
    XInitThreads();
}

XQtPlatform::XQtPlatform()
{
    // Qt's own connection tells which display it uses (it may come from -display).
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11) {
        m_displayName = DisplayString(x11->display());
        m_hotKeys = std::make_unique<XX11HotKeyService>([this] { return screens(); });
    } else {
        // Offscreen no key reaches us: registrations are kept and never fire.
        m_hotKeys = std::make_unique<XInertHotKeyService>();
    }
}

namespace {
const char* const kLevelProperty = "tableclickWindowLevel";

// Re-applies flags without moving the window's area: Qt recreates the native window.
void setFlagsInPlace(QWidget& window, Qt::WindowFlags flags)
{
    const QRect area = window.geometry();
    const bool visible = window.isVisible();
    window.setWindowFlags(flags);
    window.setGeometry(area);
    if (visible)
        window.show();
}
} // namespace

void XQtPlatform::setWindowClickThrough(QWidget& window, bool clickThrough)
{
    const int level = clickThrough ? XShieldingWindowLevel : XFloatingWindowLevel;
    window.setProperty(kLevelProperty, level);
    // A window manager frames a window and takes clicks on the frame; only a window it
    // does not manage lets XTest clicks through to what lies below.
    setFlagsInPlace(window, clickThrough
                                ? Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                                : Qt::Window | Qt::WindowStaysOnTopHint);
}

void XQtPlatform::setWindowLevel(QWidget& window, int level)
{
    window.setProperty(kLevelProperty, level);
    const bool above = level > XNormalWindowLevel;
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != above)
        setFlagsInPlace(window, above ? window.windowFlags() | Qt::WindowStaysOnTopHint
                                      : window.windowFlags() & ~Qt::WindowStaysOnTopHint);
}

int XQtPlatform::windowLevel(const QWidget& window) const
{
    return window.property(kLevelProperty).toInt();
}

int XQtPlatform::runModalAlert(const XAlert& alert, QWidget* window)
{
    QMessageBox box(window);
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    QPushButton* first = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* second = alert.alternateButton.isEmpty()
                              ? nullptr
                              : box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    QPushButton* third =
        alert.otherButton.isEmpty() ? nullptr : box.addButton(alert.otherButton, QMessageBox::ActionRole);
    box.setDefaultButton(first);
    box.exec();
    if (box.clickedButton() == second && second)
        return XAlertSecondButtonReturn;
    if (box.clickedButton() == third && third)
        return XAlertThirdButtonReturn;
    return XAlertFirstButtonReturn;
}

bool XQtPlatform::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

std::unique_ptr<XMousePoster> XQtPlatform::createMousePoster()
{
    return std::make_unique<XX11MousePoster>(m_displayName);
}

std::vector<XScreenInfo> XQtPlatform::screens() const
{
    std::vector<XScreenInfo> result;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        result.push_back({QRectF(primary->geometry()), primary->devicePixelRatio()});
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            result.push_back({QRectF(screen->geometry()), screen->devicePixelRatio()});
    }
    return result;
}

QRectF XQtPlatform::windowFrame(const QWidget& widget) const
{
    return {QPointF(widget.mapToGlobal(QPoint(0, 0))), QSizeF(widget.size())};
}

bool XQtPlatform::windowAcceptsMouse(const QWidget& widget) const
{
    const QWidget* window = widget.window();
    return !window->windowFlags().testFlag(Qt::WindowTransparentForInput) &&
           !window->testAttribute(Qt::WA_TransparentForMouseEvents);
}
