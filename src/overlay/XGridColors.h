#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// The grid line colours the overlay offers, in the order of its colour pop-up.
struct XNamedColor
{
    // Stored; never translated.
    QString name;
    // What the pop-up shows, before translation (context "XGridColors").
    const char* label;
    QColor color;
};
const std::vector<XNamedColor>& XGridColorPalette();

// Colours are stored by name: a palette name, or "#rrggbb" for any other colour.
QString XColorName(const QColor& color);
std::optional<QColor> XColorFromName(const QString& name);
