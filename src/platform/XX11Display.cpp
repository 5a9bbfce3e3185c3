#include "XX11Display.h"

#include <xcb/xcb.h>

QString XX11DisplayProblem(const QByteArray& displayName)
{
    const QByteArray name = displayName.isEmpty() ? qgetenv("DISPLAY") : displayName;
    if (name.isEmpty())
        return QStringLiteral("no X display: DISPLAY is not set");
    xcb_connection_t* connection = xcb_connect(name.constData(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error == 0)
        return {};
    return QStringLiteral("cannot open the X display \"%1\"").arg(QString::fromLocal8Bit(name));
}

QNativeInterface::QX11Application* XQtX11Application()
{
    return qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}
