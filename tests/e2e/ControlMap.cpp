#include "ControlMap.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<QRect> XControlArea(const QString& mapPath, const QString& name)
{
    QFile file(mapPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject c = QJsonDocument::fromJson(file.readAll()).object().value(name).toObject();
    if (c.isEmpty())
        return std::nullopt;
    return QRect(qRound(c.value(QStringLiteral("x")).toDouble()),
                 qRound(c.value(QStringLiteral("y")).toDouble()),
                 qRound(c.value(QStringLiteral("width")).toDouble()),
                 qRound(c.value(QStringLiteral("height")).toDouble()));
}
