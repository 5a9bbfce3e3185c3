#include "XGridColors.h"

const std::vector<XNamedColor>& XGridColorPalette()
{
    static const std::vector<XNamedColor> palette{
        {QStringLiteral("red"), QColor::fromRgbF(1, 0, 0)},
        {QStringLiteral("yellow"), QColor::fromRgbF(1, 1, 0)},
        {QStringLiteral("blue"), QColor::fromRgbF(0, 0, 1)},
        {QStringLiteral("green"), QColor::fromRgbF(0, 1, 0)},
        {QStringLiteral("orange"), QColor::fromRgbF(1, 0.5, 0)},
        {QStringLiteral("black"), QColor::fromRgbF(0, 0, 0)},
        {QStringLiteral("white"), QColor::fromRgbF(1, 1, 1)},
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
