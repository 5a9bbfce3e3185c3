#pragma once

#include "HttpConnection.h"
#include "HttpRequest.h"
#include "HttpResponse.h"
#include "RateLimiter.h"
#include "TlsServer.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QQueue>
#include <QThreadPool>
#include <QTimer>

#include <functional>

class AccountService;
class QSslSocket;
struct TlsIdentity;

struct AccountServerLimits
{
    // Each hash holds 64 MiB. Two at once stay within 256 MiB even with every connection taken
    // and holding its most of unsent answers (about 64 MiB together); a third would not.
    static constexpr int kMaxDefaultWorkers = 2;

    int requestsPerMinute = 120; // per client address; 0: no limit
    // When all are taken, a newcomer takes the place of an idle connection of the address
    // that holds the most.
    int maxConnections = 512;
    int maxConnectionsPerAddress = 16;
    int maxPendingJobs = 256;           // requests waiting for a worker; beyond: 503
    int maxPendingJobsPerAddress = 32; // the same, for one client address
    int workerThreads = 0;              // 0: one per core, at most kMaxDefaultWorkers
    HttpConnection::Timeouts timeouts{10000, 10000};
    TlsServer::Limits handshakes;
};

// The HTTPS front of the service: accepts TLS connections, applies the limits, routes the
// requests and runs the account work on a worker pool, so that hashing never stalls the
// event loop. Every line of its access log names method, path, status and time, never a
// query string.
class AccountServer : public QObject
{
    Q_OBJECT

public:
    AccountServer(AccountService& service, AccountServerLimits limits, QObject* parent = nullptr);
    ~AccountServer() override;

    bool listen(const QHostAddress& address, quint16 port, const TlsIdentity& identity, QString* error);
    quint16 serverPort() const { return m_server.serverPort(); }
    // Stops accepting, answers the requests in hand, closes every connection, then emits
    // stopped(); after a deadline the rest is cut off.
    void shutdown();

    // The page the client's "terms" buttons open.
    static QByteArray legalPage();

Q_SIGNALS:
    void stopped();

private:
    void acceptConnection(QSslSocket* socket);
    bool makeRoomFor(const QString& address);
    void dispatchJobs();
    void handleRequest(HttpConnection* connection, const HttpRequest& request);
    void rejectRequest(HttpConnection* connection, int status);
    void runOnWorker(HttpConnection* connection, std::function<HttpResponse()> job);
    void deliver(quint64 id, const QString& address, const HttpResponse& response);
    void answer(HttpConnection* connection, const HttpResponse& response, bool close = false);
    void connectionClosed(HttpConnection* connection);
    void checkStopped();

    AccountService& m_service;
    AccountServerLimits m_limits;
    TlsServer m_server;
    RateLimiter m_rateLimiter;
    QTimer m_housekeeping;
    QTimer m_shutdownDeadline;
    QHash<quint64, HttpConnection*> m_connections;
    QHash<QString, int> m_connectionsPerAddress;
    quint64 m_nextId = 1;
    struct Job
    {
        quint64 connectionId;
        std::function<HttpResponse()> work;
    };
    // Waiting jobs per client address, served in turns, so that one client's pile of
    // requests does not hold up everyone else's.
    QHash<QString, QQueue<Job>> m_waiting;
    QList<QString> m_turns;
    QHash<QString, int> m_runningPerAddress;
    int m_workers = 1;
    int m_runningJobs = 0;
    int m_pendingJobs = 0;
    bool m_stopping = false;
    bool m_stopped = false;
    // Last, so that they are destroyed first: no job outlives the members it uses. An address's
    // first running request goes to m_pool; any more of its requests run at the same time on
    // m_extraPool, whose threads yield the processor to the first ones.
    QThreadPool m_extraPool;
    QThreadPool m_pool;
};
