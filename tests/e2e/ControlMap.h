#pragma once

#include <QRect>
#include <QString>

#include <optional>

// Where Tableclick says one of its controls is (TABLECLICK_CONTROL_MAP), in device pixels.
std::optional<QRect> XControlArea(const QString& mapPath, const QString& name);
// What the control shows, for a label, button or field; empty when it is not shown.
QString XControlText(const QString& mapPath, const QString& name);
