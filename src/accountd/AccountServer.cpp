#include "AccountServer.h"

#include "AccountQueries.h"
#include "AccountService.h"
#include "platform/XLog.h"
#include "TlsIdentity.h"

#include <QDateTime>
#include <QSslCipher>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QThread>

#include <limits>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kApiPrefix = "/api/mac_user/";

// When hashes outnumber the cores (or other programs want them), an address's first request
// gets the larger share, so that one client's pile of hashes slows others' sign-ins less.
// Once per thread: nobody unprivileged may raise a priority again.
void yieldToFirstRequests()
{
    thread_local bool lowered = false;
    if (!lowered) {
        lowered = true;
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
    }
}

HttpResponse htmlPage(int status, const QByteArray& title, const QByteArray& text)
{
    HttpResponse response;
    response.status = status;
    response.contentType = "text/html; charset=utf-8";
    response.body = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + title +
                    "</title></head>\n<body><h1>" + title + "</h1>\n" + text + "\n</body></html>\n";
    response.addHeader("Content-Security-Policy", "default-src 'none'");
    return response;
}

HttpResponse json(const AccountReply& reply)
{
    return HttpResponse::json(200, reply.toJson());
}

} // namespace

AccountServer::AccountServer(AccountService& service, AccountServerLimits limits, QObject* parent)
    : QObject(parent), m_service(service), m_limits(limits), m_server(limits.handshakes),
      m_rateLimiter(limits.requestsPerMinute)
{
    m_workers = m_limits.workerThreads > 0
                    ? m_limits.workerThreads
                    : qBound(1, QThread::idealThreadCount(), AccountServerLimits::kMaxDefaultWorkers);
    // Workers keep their database connection for the life of the service.
    for (QThreadPool* pool : {&m_pool, &m_extraPool}) {
        pool->setMaxThreadCount(m_workers);
        pool->setExpiryTimeout(-1);
    }
    connect(&m_server, &TlsServer::encrypted, this, &AccountServer::acceptConnection);
    connect(&m_housekeeping, &QTimer::timeout, this,
            [this] { m_rateLimiter.forgetIdle(QDateTime::currentMSecsSinceEpoch()); });
    m_housekeeping.start(60000);
    m_shutdownDeadline.setSingleShot(true);
    connect(&m_shutdownDeadline, &QTimer::timeout, this, [this] {
        XLogIn(lcAccountService(), "shutdown: %lld connections cut off", static_cast<long long>(m_connections.size()));
        const auto connections = m_connections.values();
        for (HttpConnection* connection : connections)
            connection->abort();
        m_waiting.clear();
        m_turns.clear();
        m_pendingJobs = 0;
        checkStopped();
    });
}

AccountServer::~AccountServer()
{
    m_server.close();
    m_pool.waitForDone();
    m_extraPool.waitForDone();
}

bool AccountServer::listen(const QHostAddress& address, quint16 port, const TlsIdentity& identity,
                           QString* error)
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(identity.chain);
    tls.setPrivateKey(identity.key);
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone); // no client certificates
    // Forward-secret AEAD suites only: no CBC, no SHA-1 MACs, no static RSA key exchange.
    QList<QSslCipher> ciphers;
    for (const QSslCipher& cipher : QSslConfiguration::supportedCiphers()) {
        const QString name = cipher.name();
        const bool tls13 = name.startsWith(QLatin1String("TLS_"));
        const bool aead = name.contains(QLatin1String("GCM")) || name.contains(QLatin1String("CHACHA20"));
        if (tls13 || (aead && name.startsWith(QLatin1String("ECDHE-"))))
            ciphers << cipher;
    }
    tls.setCiphers(ciphers);
    m_server.setSslConfiguration(tls);
    if (!m_server.listen(address, port)) {
        *error = m_server.errorString();
        return false;
    }
    return true;
}

bool AccountServer::makeRoomFor(const QString& address)
{
    const int mine = m_connectionsPerAddress.value(address);
    if (mine >= m_limits.maxConnectionsPerAddress)
        return false;
    if (m_connections.size() < m_limits.maxConnections)
        return true;
    // Full: the address that holds the most gives up one idle connection, if it holds more.
    QString heaviest;
    int most = 0;
    for (auto it = m_connectionsPerAddress.cbegin(); it != m_connectionsPerAddress.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            heaviest = it.key();
        }
    }
    if (most <= mine + 1)
        return false;
    HttpConnection* idle = nullptr;
    for (HttpConnection* connection : std::as_const(m_connections)) {
        if (connection->clientAddress() == heaviest && !connection->busy()) {
            idle = connection;
            break;
        }
    }
    if (!idle)
        return false;
    idle->abort(); // removes it from the table at once
    return m_connections.size() < m_limits.maxConnections;
}

void AccountServer::acceptConnection(QSslSocket* socket)
{
    const QString address = HttpConnection::clientAddressOf(*socket);
    if (m_stopping || !makeRoomFor(address)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto* connection = new HttpConnection(socket, m_nextId++, m_limits.timeouts, this);
    m_connections.insert(connection->id(), connection);
    ++m_connectionsPerAddress[address];
    connect(connection, &HttpConnection::requestReceived, this, &AccountServer::handleRequest);
    connect(connection, &HttpConnection::requestRejected, this, &AccountServer::rejectRequest);
    connect(connection, &HttpConnection::closed, this, &AccountServer::connectionClosed);
}

void AccountServer::connectionClosed(HttpConnection* connection)
{
    if (m_connections.remove(connection->id()) > 0) {
        const QString address = connection->clientAddress();
        if (--m_connectionsPerAddress[address] <= 0)
            m_connectionsPerAddress.remove(address);
    }
    connection->deleteLater();
    checkStopped();
}

void AccountServer::answer(HttpConnection* connection, const HttpResponse& response, bool close)
{
    XLogIn(lcAccountService(), "%s %s %d %lld ms", connection->currentMethod().constData(),
                connection->currentPath().left(200).constData(), response.status,
                static_cast<long long>(connection->elapsedMs()));
    connection->respond(response, close || m_stopping);
}

void AccountServer::rejectRequest(HttpConnection* connection, int status)
{
    const QString message = status == 413   ? QStringLiteral("Request too large.")
                            : status == 408 ? QStringLiteral("Request not completed in time.")
                                            : QStringLiteral("Malformed request.");
    answer(connection, HttpResponse::failure(status, message), true);
}

void AccountServer::handleRequest(HttpConnection* connection, const HttpRequest& request)
{
    if (!m_rateLimiter.allow(connection->clientAddress(), QDateTime::currentMSecsSinceEpoch())) {
        HttpResponse limited =
            HttpResponse::failure(429, QStringLiteral("Too many requests. Please slow down."));
        limited.addHeader("Retry-After",
                          QByteArray::number(qMax(1, 60 / qMax(1, m_limits.requestsPerMinute))));
        answer(connection, limited);
        return;
    }
    if (request.method != "GET") {
        HttpResponse wrongMethod = HttpResponse::failure(405, QStringLiteral("Only GET is served here."));
        wrongMethod.addHeader("Allow", "GET");
        answer(connection, wrongMethod);
        return;
    }

    const QByteArray path = request.path();
    const QByteArray query = request.query();
    if (path == "/legal") {
        HttpResponse page;
        page.contentType = "text/html; charset=utf-8";
        page.body = legalPage();
        page.addHeader("Content-Security-Policy", "default-src 'none'");
        answer(connection, page);
        return;
    }

    AccountService& service = m_service;
    const QString client = connection->clientAddress();
    const QByteArray endpoint = path.startsWith(kApiPrefix) ? path.mid(kApiPrefix.size()) : QByteArray();
    if (!endpoint.isEmpty() && AccountQueries::hasInvalidUtf8(query)) {
        answer(connection, json({QStringLiteral("false"),
                                 QStringLiteral("A field holds bytes that are not UTF-8 text; passwords "
                                                "and names must be valid UTF-8."),
                                 std::nullopt}));
        return;
    }
    if (endpoint == "login") {
        if (const auto parsed = AccountQueries::parseLogin(query))
            runOnWorker(connection,
                        [&service, q = *parsed, client] { return json(service.login(q, client)); });
        else
            answer(connection, json(AccountReply::malformed()));
    } else if (endpoint == "register") {
        if (const auto parsed = AccountQueries::parseRegister(query))
            runOnWorker(connection, [&service, q = *parsed] { return json(service.registerAccount(q)); });
        else
            answer(connection, json(AccountReply::malformed()));
    } else if (endpoint == "email_confirm") {
        if (const auto parsed = AccountQueries::parseEmailConfirm(query))
            runOnWorker(connection, [&service, q = *parsed] { return json(service.emailConfirm(q)); });
        else
            answer(connection, json(AccountReply::malformed()));
    } else if (endpoint == "reset_password") {
        if (const auto parsed = AccountQueries::parseResetPassword(query))
            runOnWorker(connection, [&service, q = *parsed] { return json(service.resetPassword(q)); });
        else
            answer(connection, json(AccountReply::malformed()));
    } else if (endpoint == "confirm") {
        const HttpResponse invalid =
            htmlPage(400, "Link not valid",
                     "<p>This confirmation link is not valid: it was used already, it "
                     "has expired, or it was not copied whole.</p>");
        if (const auto token = AccountQueries::parseConfirmToken(query)) {
            runOnWorker(connection, [&service, token = *token, invalid] {
                switch (service.confirmLink(token)) {
                case AccountService::LinkOutcome::Confirmed:
                    return htmlPage(
                        200, "Account confirmed",
                        "<p>Your e-mail address is confirmed. You can sign in to Tableclick now.</p>");
                case AccountService::LinkOutcome::Invalid:
                    return invalid;
                case AccountService::LinkOutcome::Failed:
                    break;
                }
                return htmlPage(500, "Server error", "<p>Please open the link again later.</p>");
            });
        } else {
            answer(connection, invalid);
        }
    } else {
        answer(connection, HttpResponse::failure(404, QStringLiteral("Nothing is served at this path.")));
    }
}

void AccountServer::runOnWorker(HttpConnection* connection, std::function<HttpResponse()> job)
{
    const QString address = connection->clientAddress();
    auto waiting = m_waiting.find(address);
    if (m_pendingJobs >= m_limits.maxPendingJobs ||
        (waiting != m_waiting.end() && waiting->size() >= m_limits.maxPendingJobsPerAddress)) {
        answer(connection,
               HttpResponse::failure(503, QStringLiteral("The service is busy. Please try again.")));
        return;
    }
    ++m_pendingJobs;
    if (waiting == m_waiting.end()) {
        waiting = m_waiting.insert(address, {});
        m_turns.append(address);
    }
    waiting->enqueue(Job{connection->id(), std::move(job)});
    dispatchJobs();
}

void AccountServer::dispatchJobs()
{
    while (m_runningJobs < m_workers && !m_turns.isEmpty()) {
        // The turn goes to the first address with the fewest jobs running, so that a newcomer
        // waits for one worker to come free, not behind an address that holds them all.
        qsizetype next = 0;
        int fewest = std::numeric_limits<int>::max();
        for (qsizetype i = 0; i < m_turns.size() && fewest > 0; ++i) {
            const int running = m_runningPerAddress.value(m_turns.at(i));
            if (running < fewest) {
                fewest = running;
                next = i;
            }
        }
        const QString address = m_turns.takeAt(next);
        auto waiting = m_waiting.find(address);
        Job job = waiting->dequeue();
        if (waiting->isEmpty())
            m_waiting.erase(waiting);
        else
            m_turns.append(address);
        ++m_runningJobs;
        const bool extra = m_runningPerAddress[address]++ > 0;
        // The answer comes back through the server, which outlives every job; the connection
        // may be gone by then. At most m_workers jobs run in all, on the two pools together.
        QThreadPool& pool = extra ? m_extraPool : m_pool;
        pool.start([this, extra, id = job.connectionId, address, work = std::move(job.work)] {
            if (extra)
                yieldToFirstRequests();
            const HttpResponse response = work();
            QMetaObject::invokeMethod(
                this, [this, id, address, response] { deliver(id, address, response); }, Qt::QueuedConnection);
        });
    }
}

void AccountServer::deliver(quint64 id, const QString& address, const HttpResponse& response)
{
    m_runningJobs = qMax(0, m_runningJobs - 1);
    m_pendingJobs = qMax(0, m_pendingJobs - 1);
    if (--m_runningPerAddress[address] <= 0)
        m_runningPerAddress.remove(address);
    if (HttpConnection* connection = m_connections.value(id))
        answer(connection, response);
    else
        XLogIn(lcAccountService(), "an answer found its client gone");
    dispatchJobs();
    checkStopped();
}

void AccountServer::shutdown()
{
    if (m_stopping)
        return;
    m_stopping = true;
    m_server.close();
    const auto connections = m_connections.values();
    for (HttpConnection* connection : connections)
        connection->closeWhenIdle();
    m_shutdownDeadline.start(10000);
    checkStopped();
}

void AccountServer::checkStopped()
{
    if (!m_stopping || m_stopped || !m_connections.isEmpty() || m_pendingJobs > 0)
        return;
    m_stopped = true;
    m_shutdownDeadline.stop();
    Q_EMIT stopped();
}

QByteArray AccountServer::legalPage()
{
    return R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Tableclick: terms of use</title></head>
<body>
<h1>Tableclick: terms of use</h1>
<h2>Terms and conditions</h2>
<p>Tableclick is a tool that moves the mouse and clicks for you. You use it at your own
risk and only where the program you use it with, and the law where you live, allow it.</p>
<h2>Indemnity</h2>
<p>You alone answer for the bets that Tableclick places for you. Its makers are not liable
for losses, missed or wrong clicks, or any other damage that comes from using it.</p>
<h2>Your account</h2>
<p>The account service keeps your user name, your e-mail address and a one-way hash of your
password, and sends you mail only to confirm your address or to reset your password. It
keeps no other data about you. Ask us to delete your account at any time.</p>
</body></html>
)";
}
