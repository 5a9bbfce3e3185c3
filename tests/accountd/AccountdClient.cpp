#include "AccountdClient.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace {

AccountdClient::Reply parsed(int status, const QByteArray& body)
{
    AccountdClient::Reply reply;
    reply.status = status;
    reply.body = body;
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (document.isObject())
        reply.json = document.object();
    return reply;
}

} // namespace

AccountdClient::AccountdClient(QString origin, const QString& certPath)
    : m_origin(std::move(origin)), m_trusted(QSslCertificate::fromPath(certPath))
{
}

QByteArray AccountdClient::encodeQuery(const Query& query)
{
    QByteArray out;
    for (const auto& [key, value] : query) {
        if (!out.isEmpty())
            out += '&';
        out += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return out;
}

AccountdClient::Reply AccountdClient::get(const QString& path, const Query& query)
{
    QString url = m_origin + path;
    if (!query.isEmpty())
        url += u'?' + QString::fromLatin1(encodeQuery(query));
    return getUrl(url);
}

AccountdClient::Reply AccountdClient::getUrl(const QString& url)
{
    QNetworkRequest request(QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(m_trusted);
    request.setSslConfiguration(tls);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(30000);
    QNetworkReply* reply = m_network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    return parsed(status, body);
}

AccountdClient::Reply AccountdClient::raw(const QByteArray& request, const QString& fromAddress)
{
    const QUrl origin(m_origin);
    QSslSocket socket;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(m_trusted);
    socket.setSslConfiguration(tls);
    socket.setPeerVerifyName(QStringLiteral("localhost"));
    if (!fromAddress.isEmpty() && !socket.bind(QHostAddress(fromAddress)))
        return {};
    socket.connectToHostEncrypted(origin.host(), static_cast<quint16>(origin.port()));
    if (!socket.waitForEncrypted(10000))
        return {};
    socket.write(request);

    QByteArray received;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(200) &&
            socket.state() != QAbstractSocket::ConnectedState)
            break;
        received += socket.readAll();
        const qsizetype headEnd = received.indexOf("\r\n\r\n");
        if (headEnd < 0)
            continue;
        const qsizetype lengthAt = received.toLower().indexOf("content-length:");
        if (lengthAt < 0 || lengthAt > headEnd)
            continue;
        const qsizetype lineEnd = received.indexOf("\r\n", lengthAt);
        const qsizetype length = received.mid(lengthAt + 15, lineEnd - lengthAt - 15).trimmed().toLongLong();
        if (received.size() >= headEnd + 4 + length) {
            const int status = received.mid(9, 3).toInt();
            return parsed(status, received.mid(headEnd + 4, length));
        }
    }
    return {};
}
