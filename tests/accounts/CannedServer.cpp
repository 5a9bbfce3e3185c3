#include "CannedServer.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslKey>
#include <QTcpSocket>

namespace {
QByteArray readData(const QString& name)
{
    QFile file(QStringLiteral(ACCOUNTS_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

QSslCertificate CannedServer::certificate(const QString& identity)
{
    return QSslCertificate(readData(identity + QStringLiteral("-cert.pem")), QSsl::Pem);
}

CannedServer::CannedServer(const QString& identity)
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(certificate(identity));
    tls.setPrivateKey(QSslKey(readData(identity + QStringLiteral("-key.pem")), QSsl::Rsa, QSsl::Pem));
    tls.setPeerVerifyMode(QSslSocket::VerifyNone); // clients bring no certificate
    m_server.setSslConfiguration(tls);
    connect(&m_server, &QSslServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection())
            serve(socket);
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl CannedServer::url() const
{
    return QUrl(QStringLiteral("https://localhost:%1").arg(m_server.serverPort()));
}

void CannedServer::setSuccess(const QString& path, const QString& success, const QString& message)
{
    QJsonObject reply{{QStringLiteral("success"), success}};
    if (!message.isEmpty())
        reply.insert(QStringLiteral("message"), message);
    setReply(path, {200, QJsonDocument(reply).toJson(QJsonDocument::Compact)});
}

void CannedServer::serve(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        const QByteArray head = socket->peek(64 * 1024);
        if (!head.contains("\r\n\r\n"))
            return;
        socket->readAll();
        const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
        const QUrl target(QString::fromLatin1(requestLine.value(1)), QUrl::StrictMode);
        m_requests.append(target);
        answer(socket, target.path());
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void CannedServer::answer(QTcpSocket* socket, const QString& path)
{
    const Reply reply = m_replies.value(path, Reply{404, QByteArrayLiteral("{\"success\":\"false\"}")});
    if (reply.hang) {
        m_hanging.append({socket, path});
        return;
    }
    socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\nContent-Type: application/json\r\n" +
                  "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n" +
                  reply.body);
    socket->disconnectFromHost();
}

void CannedServer::release()
{
    const auto hanging = std::exchange(m_hanging, {});
    for (const auto& [socket, path] : hanging) {
        if (!socket)
            continue;
        Reply reply = m_replies.value(path);
        reply.hang = false;
        setReply(path, reply);
        answer(socket, path);
    }
}
