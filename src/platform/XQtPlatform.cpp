#include "XQtPlatform.h"

#include "XInertHotKeyService.h"
#include "XX11Compositor.h"
#include "XX11Display.h"
#include "XX11HotKeyService.h"
#include "XX11InputShape.h"
#include "XX11MousePoster.h"
#include "XPortalMousePoster.h"
#include "XPortalRemoteDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>

#include <algorithm>

void XQtPlatform::initializeThreads()
{
    XInitThreads();
}

XQtPlatform::XQtPlatform(bool waylandSession)
{
    if (waylandSession) {
        m_portal = std::make_unique<XPortalRemoteDesktop>(QDBusConnection::sessionBus());
        publishScreens();
        const auto watch = [this](QScreen* screen) {
            QObject::connect(screen, &QScreen::geometryChanged, &m_screenWatch, [this] { publishScreens(); });
            publishScreens();
        };
        for (QScreen* screen : QGuiApplication::screens())
            QObject::connect(screen, &QScreen::geometryChanged, &m_screenWatch, [this] { publishScreens(); });
        QObject::connect(qApp, &QGuiApplication::screenAdded, &m_screenWatch, watch);
        QObject::connect(qApp, &QGuiApplication::screenRemoved, &m_screenWatch, [this] { publishScreens(); });
        QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, &m_screenWatch, [this] { publishScreens(); });
    }
    // Qt's own connection tells which display it uses (it may come from -display).
    auto* x11 = XQtX11Application();
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

// Re-applies flags without moving the window's area. A window that stays as it is with the
// window manager (managed, or not) is changed where it is: QWidget::setWindowFlags would
// unmap it, and a managed window is then framed anew, passing through the new frame's
// place (0, 0) while Qt reads its position.
void setFlagsInPlace(QWidget& window, Qt::WindowFlags flags)
{
    const Qt::WindowFlags old = window.windowFlags();
    QWindow* native = window.windowHandle();
    if (native && native->handle() &&
        (old & Qt::X11BypassWindowManagerHint) == (flags & Qt::X11BypassWindowManagerHint)) {
        window.overrideWindowFlags(flags);
        native->setFlags(flags);
        return;
    }
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
    // does not manage lets XTest clicks through to what lies below. Both states stay
    // unmanaged: handing the window over to the manager and back is what moved it.
    const Qt::WindowFlags unmanaged =
        Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    setFlagsInPlace(window, clickThrough ? unmanaged | Qt::WindowTransparentForInput : unmanaged);
    // Qt gives a window that takes the mouse again an input shape of its size at that
    // moment, and keeps it: a window enlarged later would let presses through.
    auto* x11 = XQtX11Application();
    if (!clickThrough && x11 && window.windowHandle() && window.windowHandle()->handle())
        XX11ResetInputShape(x11->display(), window.winId());
}

bool XQtPlatform::hasCompositingManager() const
{
    auto* x11 = XQtX11Application();
    return x11 && XX11HasCompositingManager(x11->display());
}

QImage XQtPlatform::screenSnapshot(const QRect& area) const
{
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    // The offset is within the screen.
    const QPoint offset = area.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, offset.x(), offset.y(), area.width(), area.height()).toImage();
}

void XQtPlatform::setPressShield(QWidget& window, bool shielded)
{
    auto* x11 = XQtX11Application();
    if (!x11 || !window.windowHandle() || !window.windowHandle()->handle())
        return;
    const char* const property = "tableclickPressShield";
    const unsigned long shield = window.property(property).toULongLong();
    if (!shielded) {
        XX11DestroyPressShield(x11->display(), shield);
        window.setProperty(property, QVariant());
        return;
    }
    window.setProperty(property, QVariant::fromValue<qulonglong>(
                                     XX11PlacePressShield(x11->display(), shield, window.winId())));
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
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    // A narrow box gets its title cut in the window manager's bar ("Ta…ck"): room for the
    // title and the bar's own buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = std::max(360, box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    QPushButton* first = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* second = alert.alternateButton.isEmpty()
                              ? nullptr
                              : box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    QPushButton* third =
        alert.otherButton.isEmpty() ? nullptr : box.addButton(alert.otherButton, QMessageBox::ActionRole);
    QPushButton* keyboardDefault = alert.keyboardDefault == XAlertSecondButtonReturn && second ? second
                                   : alert.keyboardDefault == XAlertThirdButtonReturn && third ? third
                                                                                               : first;
    box.setDefaultButton(keyboardDefault);
    keyboardDefault->setFocus();
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

std::vector<XOwnWindow> XQtPlatform::ownWindows() const
{
    std::vector<XOwnWindow> result;
    const auto monitors = screens();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Only windows that exist on the display: asking others for an id would make one.
        if (!window->isVisible() || !window->windowHandle() || !window->windowHandle()->handle())
            continue;
        const QRectF frame(window->frameGeometry());
        result.push_back(
            {static_cast<std::uint64_t>(window->winId()),
             QRectF(XWindowPointToDevice(frame, {0, 0}, monitors),
                    XWindowPointToDevice(frame, QPointF(frame.width(), frame.height()), monitors)),
             windowAcceptsMouse(*window)});
    }
    return result;
}

XQtPlatform::~XQtPlatform() = default;

void XQtPlatform::publishScreens()
{
    std::vector<XScreenInfo> now = screens();
    const std::lock_guard lock(m_screensMutex);
    m_screens = std::move(now);
}

std::vector<XScreenInfo> XQtPlatform::publishedScreens() const
{
    const std::lock_guard lock(m_screensMutex);
    return m_screens;
}

std::unique_ptr<XMousePoster> XQtPlatform::createMousePoster()
{
    if (!m_portal)
        return std::make_unique<XX11MousePoster>(m_displayName);
    return std::make_unique<XPortalMousePoster>(
        *m_portal, [this] { return publishedScreens(); },
        [display = m_displayName]() -> std::unique_ptr<XMousePoster> {
            return std::make_unique<XX11MousePoster>(display);
        });
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
    // From the window's geometry, which Qt scales by the one monitor it places the window
    // by; mapToGlobal scales each point by the monitor under it, and the two part where a
    // window lies across monitors of different scales.
    const QWidget* window = widget.window();
    return {QPointF(window->geometry().topLeft() + widget.mapTo(window, QPoint(0, 0))),
            QSizeF(widget.size())};
}

bool XQtPlatform::windowAcceptsMouse(const QWidget& widget) const
{
    const QWidget* window = widget.window();
    return !window->windowFlags().testFlag(Qt::WindowTransparentForInput) &&
           !window->testAttribute(Qt::WA_TransparentForMouseEvents);
}
