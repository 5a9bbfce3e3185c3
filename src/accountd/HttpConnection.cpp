#include "HttpConnection.h"

#include "HttpRequestParser.h"

#include <QSslSocket>

namespace {
// A request and its body, with room to spare; beyond this the socket stops being read.
constexpr qsizetype kMaxBuffered = HttpRequestParser::kMaxHeaderBytes + HttpRequestParser::kMaxBodyBytes + 16;
// A client that does not read its answers is not given more of them.
constexpr qint64 kMaxUnsent = 64 * 1024;
// How long a closing connection may take to send its last answer.
constexpr int kLingerMs = 5000;
} // namespace

HttpConnection::HttpConnection(QSslSocket* socket, quint64 id, Timeouts timeouts, QObject* parent)
    : QObject(parent), m_socket(socket), m_id(id), m_timeouts(timeouts)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kMaxBuffered);
    m_clientAddress = clientAddressOf(*m_socket);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HttpConnection::timedOut);
    connect(m_socket, &QSslSocket::readyRead, this, &HttpConnection::processBuffer);
    connect(m_socket, &QSslSocket::bytesWritten, this, &HttpConnection::processBuffer);
    connect(m_socket, &QSslSocket::encryptedBytesWritten, this, &HttpConnection::processBuffer);
    connect(m_socket, &QSslSocket::disconnected, this, [this] {
        m_timer.stop();
        if (!m_closedSignalled) {
            m_closedSignalled = true;
            Q_EMIT closed(this);
        }
    });
    m_timer.start(m_timeouts.idleMs);
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A client that hung up right after the handshake never sends "disconnected".
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                abort();
            else
                processBuffer();
        },
        Qt::QueuedConnection);
}

QString HttpConnection::clientAddressOf(const QAbstractSocket& socket)
{
    const QHostAddress peer = socket.peerAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&isIpv4);
    // ::ffff:127.0.0.1 and 127.0.0.1 are one client.
    return isIpv4 ? QHostAddress(ipv4).toString() : peer.toString();
}

void HttpConnection::processBuffer()
{
    if (m_closing) {
        closeWhenFlushed();
        return;
    }
    // TLS keeps what it has encrypted in a queue of its own: both count.
    if (m_busy || m_socket->bytesToWrite() + m_socket->encryptedBytesToWrite() > kMaxUnsent)
        return;
    if (m_buffer.size() < kMaxBuffered)
        m_buffer += m_socket->read(kMaxBuffered - m_buffer.size());
    if (m_buffer.isEmpty()) {
        if (m_closeWhenIdle)
            closeWhenIdle();
        return;
    }

    const HttpParseResult result = HttpRequestParser::parse(m_buffer);
    switch (result.state) {
    case HttpParseResult::State::NeedMore:
        if (m_timer.interval() != m_timeouts.requestMs || !m_timer.isActive())
            m_timer.start(m_timeouts.requestMs);
        return;
    case HttpParseResult::State::Failed:
        m_timer.stop();
        m_busy = true;
        m_keepAlive = false;
        m_method = "-";
        m_path = "-";
        m_clock.start();
        Q_EMIT requestRejected(this, result.errorStatus);
        return;
    case HttpParseResult::State::Complete:
        m_timer.stop();
        m_buffer.remove(0, result.consumed);
        m_busy = true;
        m_keepAlive = result.request.keepAlive;
        m_method = result.request.method;
        m_path = result.request.path();
        m_clock.start();
        Q_EMIT requestReceived(this, result.request);
        return;
    }
}

void HttpConnection::respond(const HttpResponse& response, bool close)
{
    if (m_closing)
        return;
    const bool keepAlive = m_keepAlive && !close && !m_closeWhenIdle;
    m_socket->write(response.serialize(keepAlive));
    // QSslSocket schedules its own flush, but a request that came in with the end of the
    // TLS 1.3 handshake can leave that schedule stuck; flushing here always sends.
    m_socket->flush();
    m_busy = false;
    if (!keepAlive) {
        startClosing();
        return;
    }
    m_timer.start(m_timeouts.idleMs);
    QMetaObject::invokeMethod(this, &HttpConnection::processBuffer, Qt::QueuedConnection);
}

void HttpConnection::closeWhenIdle()
{
    m_closeWhenIdle = true;
    if (!m_busy && !m_closing)
        startClosing();
}

void HttpConnection::startClosing()
{
    m_closing = true;
    m_socket->setReadBufferSize(0);
    m_timer.start(kLingerMs);
    closeWhenFlushed();
}

void HttpConnection::closeWhenFlushed()
{
    // Whatever the client still sends is read and dropped: closing a socket with unread
    // bytes makes the kernel send a reset, and the client may lose the answer with it.
    m_socket->readAll();
    if (m_socket->bytesToWrite() == 0 && m_socket->encryptedBytesToWrite() == 0 &&
        m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->disconnectFromHost();
}

void HttpConnection::abort()
{
    m_closing = true;
    m_socket->abort();
    if (!m_closedSignalled) {
        m_closedSignalled = true;
        Q_EMIT closed(this);
    }
}

void HttpConnection::timedOut()
{
    if (m_closing) {
        abort();
        return;
    }
    if (m_busy)
        return;
    if (m_buffer.isEmpty()) {
        closeWhenIdle();
        return;
    }
    // Bytes of a request that never ended: tell the client, then hang up.
    m_busy = true;
    m_keepAlive = false;
    m_method = "-";
    m_path = "-";
    m_clock.start();
    Q_EMIT requestRejected(this, 408);
}
