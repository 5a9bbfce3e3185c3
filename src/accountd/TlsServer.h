#pragma once

#include <QHash>
#include <QSslConfiguration>
#include <QTcpServer>

class QSslSocket;

// Accepts TCP connections and runs their TLS handshakes itself, so that clients that
// never finish one cannot fill a queue of pending connections: each address may have only
// a few handshakes under way, each gets a short time, and everyone else is still accepted.
class TlsServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Limits
    {
        int handshakesPerAddress = 8;
        int handshakes = 256;
        int handshakeTimeoutMs = 5000;
    };

    explicit TlsServer(Limits limits, QObject* parent = nullptr);

    void setSslConfiguration(const QSslConfiguration& configuration) { m_tls = configuration; }
    int handshakesUnderWay() const { return m_total; }

Q_SIGNALS:
    // The receiver owns the socket from here on.
    void encrypted(QSslSocket* socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void finishHandshake(QSslSocket* socket, const QString& address, bool ok);

    Limits m_limits;
    QSslConfiguration m_tls;
    QHash<QString, int> m_perAddress;
    int m_total = 0;
};
