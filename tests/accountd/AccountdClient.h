#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPair>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QString>
#include <QUrl>

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

    AccountdClient(QString origin, const QString& certPath)
        : m_origin(std::move(origin)), m_trusted(QSslCertificate::fromPath(certPath))
    {
    }

    // GET path?query with every value percent-encoded (space as %20, '+' as %2B).
    Reply get(const QString& path, const Query& query = {})
    {
        return getUrl(m_origin + path +
                      (query.isEmpty() ? QString() : u'?' + QString::fromLatin1(encodeQuery(query))));
    }
    Reply getUrl(const QString& url)
    {
        QNetworkRequest request(QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode));
        request.setSslConfiguration(tls());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        request.setRawHeader("Accept", "application/json");
        request.setTransferTimeout(30000);
        QNetworkReply* reply = m_network.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const Reply answer =
            parsed(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll());
        reply->deleteLater();
        return answer;
    }
    // Sends the bytes as they are over a fresh TLS connection, optionally from another
    // local address, and reads the answer until the service closes or answers in full.
    Reply raw(const QByteArray& request, const QString& fromAddress = QString())
    {
        const QUrl origin(m_origin);
        QSslSocket socket;
        socket.setSslConfiguration(tls());
        socket.setPeerVerifyName(QStringLiteral("localhost"));
        if (!fromAddress.isEmpty() && !socket.bind(QHostAddress(fromAddress)))
            return {};
        socket.connectToHostEncrypted(origin.host(), static_cast<quint16>(origin.port()));
        if (!socket.waitForEncrypted(10000))
            return {};
        socket.write(request);
        QByteArray received;
        for (const QDeadlineTimer deadline(30000); !deadline.hasExpired();) {
            if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(200) &&
                socket.state() != QAbstractSocket::ConnectedState)
                break;
            received += socket.readAll();
            const qsizetype headEnd = received.indexOf("\r\n\r\n");
            const qsizetype lengthAt = received.toLower().indexOf("content-length:");
            if (headEnd < 0 || lengthAt < 0 || lengthAt > headEnd)
                continue;
            const qsizetype lineEnd = received.indexOf("\r\n", lengthAt);
            const qsizetype length =
                received.mid(lengthAt + 15, lineEnd - lengthAt - 15).trimmed().toLongLong();
            if (received.size() >= headEnd + 4 + length)
                return parsed(received.mid(9, 3).toInt(), received.mid(headEnd + 4, length));
        }
        return {};
    }

    // Closes the kept connections of get().
    void closeConnections() { m_network.clearConnectionCache(); }

    // Trusts the service's own certificate only.
    QSslConfiguration tls() const
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates(m_trusted);
        return tls;
    }
    static QByteArray encodeQuery(const Query& query)
    {
        QByteArray out;
        for (const auto& [key, value] : query)
            out += (out.isEmpty() ? "" : "&") + QUrl::toPercentEncoding(key) + '=' +
                   QUrl::toPercentEncoding(value);
        return out;
    }

private:
    static Reply parsed(int status, const QByteArray& body)
    {
        const QJsonDocument document = QJsonDocument::fromJson(body);
        return {status, body, document.isObject() ? document.object() : QJsonObject()};
    }

    QString m_origin;
    QList<QSslCertificate> m_trusted;
    QNetworkAccessManager m_network;
};
