#pragma once

#include <QJsonObject>
#include <QRect>
#include <QString>

#include <optional>

// What Tableclick says of one of its controls (TABLECLICK_CONTROL_MAP): empty when not shown.
QJsonObject XControlEntry(const QString& mapPath, const QString& name);
// Where the control is, in device pixels.
std::optional<QRect> XControlArea(const QString& mapPath, const QString& name);
// What the control shows, for a label, button or field; empty when it is not shown.
QString XControlText(const QString& mapPath, const QString& name);
