#pragma once

#include "HttpRequest.h"
#include "HttpResponse.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QAbstractSocket;
class QSslSocket;

// One client's TLS connection: reads requests one at a time (the next waits until the
// current one is answered), writes the answers, and closes on idleness, on a request that
// takes too long to arrive, or when asked to.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    struct Timeouts
    {
        int idleMs = 30000;
        int requestMs = 10000; // from a request's first byte to its last
    };

    HttpConnection(QSslSocket* socket, quint64 id, Timeouts timeouts, QObject* parent);

    static QString clientAddressOf(const QAbstractSocket& socket);

    quint64 id() const { return m_id; }
    QString clientAddress() const { return m_clientAddress; }
    // What the access log names: never the query string.
    QByteArray currentMethod() const { return m_method; }
    QByteArray currentPath() const { return m_path; }
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }
    bool busy() const { return m_busy; }

    void respond(const HttpResponse& response, bool close = false);
    // Closes now if no request is being answered, else right after its answer.
    void closeWhenIdle();
    void abort();

Q_SIGNALS:
    void requestReceived(HttpConnection* connection, const HttpRequest& request);
    void requestRejected(HttpConnection* connection, int status);
    void closed(HttpConnection* connection);

private:
    void processBuffer();
    void startClosing();
    void closeWhenFlushed();
    void timedOut();

    QSslSocket* m_socket;
    quint64 m_id;
    Timeouts m_timeouts;
    QString m_clientAddress;
    QByteArray m_buffer;
    QByteArray m_method;
    QByteArray m_path;
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_busy = false;
    bool m_keepAlive = true;
    bool m_closing = false;
    bool m_closeWhenIdle = false;
    bool m_closedSignalled = false;
};
