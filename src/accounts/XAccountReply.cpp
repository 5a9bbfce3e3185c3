#include "XAccountReply.h"

#include "XAccountService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>

namespace {
bool isSecretKey(const QString& key)
{
    const QString k = key.toLower();
    return k.contains(QLatin1String("password")) || k.contains(QLatin1String("code")) ||
           k.contains(QLatin1String("token")) || k.contains(QLatin1String("secret"));
}

QJsonValue redacted(const QJsonValue& value)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            *it = isSecretKey(it.key()) ? QJsonValue(QStringLiteral("(left out)")) : redacted(*it);
        return object;
    }
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(redacted(element));
        return array;
    }
    return value;
}
} // namespace

QUrl XAccountRequestUrl(const QUrl& base, const QString& path, const XQueryItems& query)
{
    QUrl url = base;
    url.setPath(path);
    QString encoded;
    for (const auto& [key, value] : query) {
        if (!encoded.isEmpty())
            encoded += QLatin1Char('&');
        // Everything but unreserved characters is escaped: "+" too, which a server may read
        // as a space.
        encoded += QString::fromLatin1(QUrl::toPercentEncoding(key)) + QLatin1Char('=') +
                   QString::fromLatin1(QUrl::toPercentEncoding(value));
    }
    url.setQuery(encoded, QUrl::StrictMode);
    return url;
}

XAccountReply XParseAccountReply(XNetworkOutcome outcome, int httpStatus, const QByteArray& body,
                                 const QString& detail)
{
    XAccountReply reply;
    reply.httpStatus = httpStatus;
    reply.detail = detail;
    switch (outcome) {
    case XNetworkOutcome::NoConnection:
        reply.failure = XAccountReply::Failure::NoConnection;
        return reply;
    case XNetworkOutcome::Tls:
        reply.failure = XAccountReply::Failure::Tls;
        return reply;
    case XNetworkOutcome::Timeout:
        reply.failure = XAccountReply::Failure::Timeout;
        return reply;
    case XNetworkOutcome::Answered:
        break;
    }
    if (httpStatus < 200 || httpStatus >= 300) {
        reply.failure = XAccountReply::Failure::HttpStatus;
        return reply;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().contains(QLatin1String("success"))) {
        reply.failure = XAccountReply::Failure::NotJsonObject;
        return reply;
    }
    reply.json = document.object();
    // A boolean true is no "true": it selects nothing.
    reply.success = reply.json.value(QLatin1String("success")).toString();
    return reply;
}

QString XRedactedForLog(const QJsonValue& value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(redacted(value).toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(redacted(value).toArray()).toJson(QJsonDocument::Compact));
    if (value.isString())
        return value.toString();
    if (value.isUndefined() || value.isNull())
        return QStringLiteral("(null)");
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

QString XRedactedForLog(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("(%1 bytes that are no JSON)").arg(body.size());
    return document.isObject() ? XRedactedForLog(QJsonValue(document.object()))
                               : XRedactedForLog(QJsonValue(document.array()));
}

QString XServiceText(const XAccountReply& reply, const QString& fallback)
{
    const QString message = reply.json.value(QStringLiteral("message")).toString().trimmed();
    return message.isEmpty() ? fallback : message;
}

std::pair<QString, QString> XFailureAlertTexts(const XAccountReply& reply, const QUrl& service)
{
    const QString where = service.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery);
    const QString detail = reply.detail.isEmpty() ? QString() : QStringLiteral("\n\n") + reply.detail;
    switch (reply.failure) {
    case XAccountReply::Failure::NoConnection:
        return {QStringLiteral("Cannot reach the account service"),
                (XIsLocalDefaultService(service)
                     ? QStringLiteral("Nothing answers at %1. Start the local account service (run "
                                      "tableclick-accountd in a terminal, or systemctl --user start "
                                      "tableclick-accountd), then try again.")
                     : QStringLiteral("Nothing answers at %1. Check your connection, or start the service, and "
                                      "try again."))
                        .arg(where) +
                    detail};
    case XAccountReply::Failure::Tls:
        return {QStringLiteral("The account service cannot be trusted"),
                QStringLiteral("The secure connection to %1 failed: its certificate is not the one Tableclick "
                               "trusts, or it is invalid. Nothing was sent.")
                        .arg(where) +
                    detail};
    case XAccountReply::Failure::Timeout:
        return {QStringLiteral("The account service does not answer"),
                QStringLiteral("%1 did not answer within 15 seconds. Try again later.").arg(where)};
    case XAccountReply::Failure::HttpStatus:
        return {QStringLiteral("The account service reported an error"),
                QStringLiteral("%1 answered with HTTP status %2. Try again later.").arg(where).arg(reply.httpStatus)};
    case XAccountReply::Failure::NotJsonObject:
        return {QStringLiteral("The account service sent an unreadable reply"),
                QStringLiteral("The reply from %1 is not what Tableclick expects. Is the service address right?")
                    .arg(where)};
    case XAccountReply::Failure::None:
        break;
    }
    return {};
}
