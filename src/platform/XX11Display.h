#pragma once

#include <QByteArray>
#include <QString>

// Why the X display cannot be opened (no DISPLAY, no server, refused), or nothing when it
// can. `displayName` empty means $DISPLAY.
QString XX11DisplayProblem(const QByteArray& displayName);
