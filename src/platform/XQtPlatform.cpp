#include "XQtPlatform.h"

#include "XX11MousePoster.h"

#include <QGuiApplication>
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
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        m_displayName = DisplayString(x11->display());
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
