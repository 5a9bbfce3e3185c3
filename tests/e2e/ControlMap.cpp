#include "ControlMap.h"

#include <QFile>
#include <QJsonDocument>

QJsonObject XControlEntry(const QString& mapPath, const QString& name)
{
    QFile file(mapPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(name).toObject();
}

QString XControlText(const QString& mapPath, const QString& name)
{
    return XControlEntry(mapPath, name).value(QStringLiteral("text")).toString();
}

std::optional<QRect> XControlArea(const QString& mapPath, const QString& name)
{
    const QJsonObject c = XControlEntry(mapPath, name);
    if (c.isEmpty())
        return std::nullopt;
    return QRect(qRound(c.value(QStringLiteral("x")).toDouble()),
                 qRound(c.value(QStringLiteral("y")).toDouble()),
                 qRound(c.value(QStringLiteral("width")).toDouble()),
                 qRound(c.value(QStringLiteral("height")).toDouble()));
}
