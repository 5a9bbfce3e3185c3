#include "XAccountReply.h"

#include "XAccountService.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
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

// What tableclick-accountd says to the user, word for word, so that it reaches the user in
// their language; "%1" stands for a number.
const char* const kServiceMessages[] = {
    QT_TRANSLATE_NOOP("XServiceText", "A password needs at least 8 characters and at least 1 digit."),
    QT_TRANSLATE_NOOP("XServiceText", "Account created. A confirmation link is on its way to your e-mail."),
    QT_TRANSLATE_NOOP("XServiceText", "This user name is taken."),
    QT_TRANSLATE_NOOP("XServiceText", "Too many failed sign-ins for this account. Please try again in %1 s."),
    QT_TRANSLATE_NOOP("XServiceText", "Too many failed sign-ins. Please try again later."),
    QT_TRANSLATE_NOOP("XServiceText", "Incorrect e-mail or password."),
    QT_TRANSLATE_NOOP("XServiceText", "The account's e-mail address is not confirmed yet."),
    QT_TRANSLATE_NOOP("XServiceText", "Signed in."),
    QT_TRANSLATE_NOOP("XServiceText", "If an account uses this address, a verification code is on its way."),
    QT_TRANSLATE_NOOP("XServiceText", "Incorrect verification code or e-mail."),
    QT_TRANSLATE_NOOP("XServiceText", "The new password is set."),
    QT_TRANSLATE_NOOP("XServiceText", "Malformed request."),
    QT_TRANSLATE_NOOP("XServiceText", "Server error. Please try again later."),
    QT_TRANSLATE_NOOP(
        "XServiceText",
        "A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8."),
    QT_TRANSLATE_NOOP("XServiceText", "Request too large."),
    QT_TRANSLATE_NOOP("XServiceText", "Request not completed in time."),
    QT_TRANSLATE_NOOP("XServiceText", "Too many requests. Please slow down."),
    QT_TRANSLATE_NOOP("XServiceText", "Only GET is served here."),
    QT_TRANSLATE_NOOP("XServiceText", "Nothing is served at this path."),
    QT_TRANSLATE_NOOP("XServiceText", "The service is busy. Please try again."),
};

QString translatedServiceMessage(const QString& message)
{
    for (const char* source : kServiceMessages) {
        const QString text = QString::fromLatin1(source);
        if (!text.contains(QLatin1String("%1"))) {
            if (text == message)
                return QCoreApplication::translate("XServiceText", source);
            continue;
        }
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(text).replace(QLatin1String("\\%1"), QLatin1String("(\\d+)"))));
        const QRegularExpressionMatch match = pattern.match(message);
        if (match.hasMatch())
            return QCoreApplication::translate("XServiceText", source).arg(match.captured(1));
    }
    return message;
}

const char* failureTitle(XAccountReply::Failure failure)
{
    switch (failure) {
    case XAccountReply::Failure::NoConnection:
        return QT_TRANSLATE_NOOP("XAccountReply", "Cannot reach the account service");
    case XAccountReply::Failure::Tls:
        return QT_TRANSLATE_NOOP("XAccountReply", "The account service cannot be trusted");
    case XAccountReply::Failure::Timeout:
        return QT_TRANSLATE_NOOP("XAccountReply", "The account service does not answer");
    case XAccountReply::Failure::HttpStatus:
        return QT_TRANSLATE_NOOP("XAccountReply", "The account service reported an error");
    case XAccountReply::Failure::NotJsonObject:
        return QT_TRANSLATE_NOOP("XAccountReply", "The account service sent an unreadable reply");
    case XAccountReply::Failure::None:
        break;
    }
    return "";
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
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
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
    return message.isEmpty() ? fallback : translatedServiceMessage(message);
}

QString XFailureLogTitle(const XAccountReply& reply)
{
    return QString::fromLatin1(failureTitle(reply.failure));
}

std::pair<QString, QString> XFailureAlertTexts(const XAccountReply& reply, const QUrl& service)
{
    const QString where =
        service.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery);
    const QString detail = reply.detail.isEmpty() ? QString() : QStringLiteral("\n\n") + reply.detail;
    const QString title = QCoreApplication::translate("XAccountReply", failureTitle(reply.failure));
    switch (reply.failure) {
    case XAccountReply::Failure::NoConnection:
        return {title,
                (XIsLocalDefaultService(service)
                     ? QCoreApplication::translate(
                           "XAccountReply", "Nothing answers at %1. Start the local account service (run "
                                            "tableclick-accountd in a terminal, or systemctl --user start "
                                            "tableclick-accountd), then try again.")
                     : QCoreApplication::translate(
                           "XAccountReply",
                           "Nothing answers at %1. Check your connection, or start the service, and "
                           "try again."))
                        .arg(where) +
                    detail};
    case XAccountReply::Failure::Tls:
        return {title, QCoreApplication::translate(
                           "XAccountReply",
                           "The secure connection to %1 failed: its certificate is not the one Tableclick "
                           "trusts, or it is invalid. Nothing was sent.")
                               .arg(where) +
                           detail};
    case XAccountReply::Failure::Timeout:
        return {title, QCoreApplication::translate("XAccountReply",
                                                   "%1 did not answer within 15 seconds. Try again later.")
                           .arg(where)};
    case XAccountReply::Failure::HttpStatus:
        return {title, QCoreApplication::translate("XAccountReply",
                                                   "%1 answered with HTTP status %2. Try again later.")
                           .arg(where)
                           .arg(reply.httpStatus)};
    case XAccountReply::Failure::NotJsonObject:
        return {title, QCoreApplication::translate(
                           "XAccountReply",
                           "The reply from %1 is not what Tableclick expects. Is the service address right?")
                           .arg(where)};
    case XAccountReply::Failure::None:
        break;
    }
    return {};
}
