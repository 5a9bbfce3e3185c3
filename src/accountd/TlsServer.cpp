#include "TlsServer.h"

#include "HttpConnection.h"

#include <QSslSocket>
#include <QTimer>

TlsServer::TlsServer(Limits limits, QObject* parent) : QTcpServer(parent), m_limits(limits) {}

void TlsServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    const QString address = HttpConnection::clientAddressOf(*socket);
    int& mine = m_perAddress[address];
    if (mine >= m_limits.handshakesPerAddress || m_total >= m_limits.handshakes) {
        if (mine == 0)
            m_perAddress.remove(address);
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++mine;
    ++m_total;

    auto* timer = new QTimer(socket);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, socket, address] { finishHandshake(socket, address, false); });
    connect(socket, &QSslSocket::encrypted, this, [this, socket, address] { finishHandshake(socket, address, true); });
    connect(socket, &QSslSocket::errorOccurred, this,
            [this, socket, address] { finishHandshake(socket, address, false); });
    connect(socket, &QSslSocket::disconnected, this,
            [this, socket, address] { finishHandshake(socket, address, false); });
    timer->start(m_limits.handshakeTimeoutMs);
    socket->setSslConfiguration(m_tls);
    socket->startServerEncryption();
}

void TlsServer::finishHandshake(QSslSocket* socket, const QString& address, bool ok)
{
    // Every way out comes here once: what follows belongs to the receiver.
    disconnect(socket, nullptr, this, nullptr);
    if (QTimer* timer = socket->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->deleteLater();
    }
    --m_total;
    if (--m_perAddress[address] <= 0)
        m_perAddress.remove(address);
    if (ok && socket->state() == QAbstractSocket::ConnectedState) {
        Q_EMIT encrypted(socket);
        return;
    }
    socket->abort();
    socket->deleteLater();
}
