#pragma once

#include "WaitFor.h"

#include "accounts/XAccountService.h"
#include "platform/XFakePlatform.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QPointer>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

// A TLS server on the loopback that answers each path with a reply the test sets, and
// keeps every request it got.
class CannedServer : public QObject
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        // Never answers (the client's time-out, or a request kept outstanding).
        bool hang = false;
    };

    // Serves with the certificate in tests/accounts/data named `identity` ("test" or "other").
    explicit CannedServer(const QString& identity = QStringLiteral("test"))
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate(identity));
        tls.setPrivateKey(QSslKey(data(identity + QStringLiteral("-key.pem")), QSsl::Rsa, QSsl::Pem));
        tls.setPeerVerifyMode(QSslSocket::VerifyNone); // clients bring no certificate
        m_server.setSslConfiguration(tls);
        connect(&m_server, &QSslServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    QUrl url() const { return QUrl(QStringLiteral("https://localhost:%1").arg(m_server.serverPort())); }
    static QSslCertificate certificate(const QString& identity = QStringLiteral("test"))
    {
        return QSslCertificate(data(identity + QStringLiteral("-cert.pem")), QSsl::Pem);
    }

    void setReply(const QString& path, Reply reply) { m_replies.insert(path, std::move(reply)); }
    // `message`: the service's own words for the user, when it gives any.
    void setSuccess(const QString& path, const QString& success, const QString& message = {})
    {
        QJsonObject reply{{QStringLiteral("success"), success}};
        if (!message.isEmpty())
            reply.insert(QStringLiteral("message"), message);
        setReply(path, {200, QJsonDocument(reply).toJson(QJsonDocument::Compact)});
    }
    const QList<QUrl>& requests() const { return m_requests; }
    // Answers the hanging requests with what is set now.
    void release()
    {
        for (const auto& [socket, path] : std::exchange(m_hanging, {})) {
            if (socket) {
                m_replies[path].hang = false;
                answer(socket, path);
            }
        }
    }

private:
    static QByteArray data(const QString& name)
    {
        QFile file(QStringLiteral(ACCOUNTS_TEST_DATA "/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void serve(QTcpSocket* socket)
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
    void answer(QTcpSocket* socket, const QString& path)
    {
        const Reply reply = m_replies.value(path, Reply{404, QByteArrayLiteral("{\"success\":\"false\"}")});
        if (reply.hang) {
            m_hanging.append({socket, path});
            return;
        }
        socket->write("HTTP/1.1 " + QByteArray::number(reply.status) +
                      " Canned\r\nContent-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n" + reply.body);
        socket->disconnectFromHost();
    }

    QSslServer m_server;
    QMap<QString, Reply> m_replies;
    QList<QUrl> m_requests;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_hanging;
};

// A screen's world: the fake platform (its alerts answered at once and recorded) and a
// canned service the screens trust.
struct AccountsFixture : testing::Test
{
    XFakePlatform platform;
    CannedServer server;
    XAccountService service{server.url()};

    AccountsFixture() { service.setTrustedCertificates({CannedServer::certificate()}); }

    // Lets a reply that is not coming have its chance to come.
    static void settle(int ms = 200)
    {
        waitFor([] { return false; }, ms);
    }

    std::size_t alertCount() const { return platform.shownAlerts().size(); }
    bool waitForAlert(std::size_t count)
    {
        return waitFor([&] { return alertCount() >= count; });
    }
    std::pair<QString, QString> lastAlert() const
    {
        if (platform.shownAlerts().empty())
            return {};
        const XAlert& a = platform.shownAlerts().back();
        return {a.messageText, a.informativeText};
    }
};
