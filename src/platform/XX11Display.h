#pragma once

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

// Why the X display cannot be opened (no DISPLAY, no server, refused), or nothing when it
// can. `displayName` empty means $DISPLAY.
QString XX11DisplayProblem(const QByteArray& displayName);

// Qt's own connection to the X server, or nothing (another platform, or no GUI application).
QNativeInterface::QX11Application* XQtX11Application();
