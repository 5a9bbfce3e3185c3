#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QSslCertificate>
#include <QString>

// Talks HTTPS to the service the way Tableclick does: trusting exactly the service's own
// certificate, never ignoring a TLS error.
class AccountdClient
{
public:
    struct Reply
    {
        int status = 0; // 0: no HTTP answer
        QByteArray body;
        QJsonObject json; // empty when the body is not a JSON object
        QString success() const { return json.value(QStringLiteral("success")).toString(); }
    };
    using Query = QList<QPair<QString, QString>>;

    AccountdClient(QString origin, const QString& certPath);

    // GET path?query with every value percent-encoded (space as %20, '+' as %2B).
    Reply get(const QString& path, const Query& query = {});
    Reply getUrl(const QString& url);
    // Sends the bytes as they are over a fresh TLS connection, optionally from another
    // local address, and reads the answer until the service closes or answers in full.
    Reply raw(const QByteArray& request, const QString& fromAddress = QString());

    // Closes the kept connections of get().
    void closeConnections() { m_network.clearConnectionCache(); }

    static QByteArray encodeQuery(const Query& query);

private:
    QString m_origin;
    QList<QSslCertificate> m_trusted;
    QNetworkAccessManager m_network;
};
