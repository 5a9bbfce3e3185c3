#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// Areas on the command lines of the test programs: "X,Y,W,H", in whole numbers or decimals.
inline QString XAreaText(const QRect& area)
{
    return QStringLiteral("%1,%2,%3,%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

inline std::optional<QRectF> XParseAreaText(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    double value[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        value[i] = fields[i].trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRectF(value[0], value[1], value[2], value[3]);
}
