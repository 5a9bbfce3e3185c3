#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class DesktopSession;

// Starts the click target with its window at `area` (global coordinates), logging to
// `logPath`, `pose` giving its table's rotation or perspective; answers the window's area
// once it shows, nothing if it never does.
std::optional<QRect> XStartClickTarget(DesktopSession& session, const QRect& area, const QString& logPath,
                                       const QStringList& pose = {});
