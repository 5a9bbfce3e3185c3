#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslServer>
#include <QUrl>

// A TLS server on the loopback that answers each path with a reply the test sets, and
// keeps every request it got.
class CannedServer : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        // Never answers (the client's time-out, or a request kept outstanding).
        bool hang = false;
    };

    // Serves with the certificate in tests/accounts/data named `identity` ("test" or "other").
    explicit CannedServer(const QString& identity = QStringLiteral("test"));
    QUrl url() const;
    static QSslCertificate certificate(const QString& identity = QStringLiteral("test"));

    void setReply(const QString& path, Reply reply) { m_replies.insert(path, std::move(reply)); }
    // `message`: the service's own words for the user, when it gives any.
    void setSuccess(const QString& path, const QString& success, const QString& message = {});
    const QList<QUrl>& requests() const { return m_requests; }
    // Answers the hanging requests with what is set now.
    void release();

private:
    void serve(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    QSslServer m_server;
    QMap<QString, Reply> m_replies;
    QList<QUrl> m_requests;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_hanging;
};
