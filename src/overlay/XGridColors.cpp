#include "XGridColors.h"

#include <QtGlobal>

const std::vector<XNamedColor>& XGridColorPalette()
{
    static const std::vector<XNamedColor> palette{
        {QStringLiteral("red"), QT_TRANSLATE_NOOP("XGridColors", "Red"), QColor::fromRgbF(1, 0, 0)},
        {QStringLiteral("yellow"), QT_TRANSLATE_NOOP("XGridColors", "Yellow"), QColor::fromRgbF(1, 1, 0)},
        {QStringLiteral("blue"), QT_TRANSLATE_NOOP("XGridColors", "Blue"), QColor::fromRgbF(0, 0, 1)},
        {QStringLiteral("green"), QT_TRANSLATE_NOOP("XGridColors", "Green"), QColor::fromRgbF(0, 1, 0)},
        {QStringLiteral("orange"), QT_TRANSLATE_NOOP("XGridColors", "Orange"), QColor::fromRgbF(1, 0.5, 0)},
        {QStringLiteral("black"), QT_TRANSLATE_NOOP("XGridColors", "Black"), QColor::fromRgbF(0, 0, 0)},
        {QStringLiteral("white"), QT_TRANSLATE_NOOP("XGridColors", "White"), QColor::fromRgbF(1, 1, 1)},
    };
    return palette;
}

QString XColorName(const QColor& color)
{
    for (const XNamedColor& named : XGridColorPalette()) {
        if (named.color.rgb() == color.rgb())
            return named.name;
    }
    return color.name(QColor::HexRgb);
}

std::optional<QColor> XColorFromName(const QString& name)
{
    for (const XNamedColor& named : XGridColorPalette()) {
        if (named.name == name)
            return named.color;
    }
    if (name.startsWith(QLatin1Char('#'))) {
        const QColor color = QColor::fromString(name);
        if (color.isValid())
            return color;
    }
    return std::nullopt;
}
