#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

class QJsonObject;

// One reply, written by the connection with the framing headers it owns.
struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    void addHeader(const QByteArray& name, const QByteArray& value)
    {
        headers.append(qMakePair(name, value));
    }
    QByteArray serialize(bool keepAlive) const;

    static HttpResponse json(int status, const QJsonObject& object);
    // {"success":"false","message":…}: every failure the HTTP layer answers itself.
    static HttpResponse failure(int status, const QString& message);
    static QByteArray reasonPhrase(int status);
};
