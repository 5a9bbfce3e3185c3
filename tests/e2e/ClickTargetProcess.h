#pragma once

#include <QRect>
#include <QString>

#include <optional>

class DesktopSession;

// Starts the click target with its window at `area` (global coordinates), logging to
// `logPath`; answers its table's area once the window shows, nothing if it never does.
std::optional<QRect> XStartClickTarget(DesktopSession& session, const QRect& area, const QString& logPath);
