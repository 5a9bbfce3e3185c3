#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

// What came back for one request to the account service.
struct XAccountReply
{
    enum class Failure
    {
        None,
        NoConnection,
        Tls,
        Timeout,
        HttpStatus,
        NotJsonObject,
    };
    Failure failure = Failure::None;
    // For None: the reply's object and its "success" string (empty when it is no string).
    QJsonObject json;
    QString success;
    int httpStatus = 0;
    // What the network layer said, for the user to read in a failure alert.
    QString detail;
};

enum class XNetworkOutcome
{
    Answered,
    NoConnection,
    Tls,
    Timeout,
};

using XQueryItems = QList<std::pair<QString, QString>>;

// The request's URL: the service's base, the path, and the values percent-encoded, so that
// "&", "=", "+", spaces and non-ASCII text arrive as typed.
QUrl XAccountRequestUrl(const QUrl& base, const QString& path, const XQueryItems& query);

// Reads a reply; trusts nothing of the body.
XAccountReply XParseAccountReply(XNetworkOutcome outcome, int httpStatus, const QByteArray& body,
                                 const QString& detail = {});

// A JSON value as a log line shows it, with every password, code and token left out.
QString XRedactedForLog(const QJsonValue& value);
QString XRedactedForLog(const QByteArray& body);

// The alert for a failure, in the user's language: message and informative text.
std::pair<QString, QString> XFailureAlertTexts(const XAccountReply& reply, const QUrl& service);
// The failure alert's message as the log keeps it: untranslated.
QString XFailureLogTitle(const XAccountReply& reply);
// What the service said of a refusal (its "message"), which is more precise than anything
// the screen could guess, in the user's language where it is one the service is known to
// send; `fallback` when it said nothing.
QString XServiceText(const XAccountReply& reply, const QString& fallback);
