// The account service's figures: the time of one Argon2id hash at the service's cost, the
// sign-in round trip over HTTPS on the loopback, sign-ins per second with 1, 4 and 16 clients
// against the raw Argon2id rate of as many threads as can hash at once, sign-in latency while
// another client floods, and resident memory idle, with 500 idle connections and at its
// peak, against the real tableclick-accountd with SQLite in a temporary folder.
#include "AccountdClient.h"
#include "AccountdProcess.h"
#include "accountd/PasswordHasher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <thread>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

double elapsedMs(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Handles events for `ms`, asleep while there are none. (processEvents() with a time limit
// never sleeps: a loop around it would take a core from the service it measures.)
void handleEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Argon2id checks per second with `threads` threads doing nothing else for about `ms`.
double rawRate(const QByteArray& stored, int threads, int ms)
{
    std::atomic<int> checks{0};
    std::vector<std::thread> workers;
    QElapsedTimer clock;
    clock.start();
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            while (clock.elapsed() < ms) {
                PasswordHasher::verify(stored, QStringLiteral("secret123"));
                ++checks;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    return checks / (elapsedMs(clock) / 1000.0);
}

// One client on a kept TLS connection from a local address of its own: sends a request,
// reads the whole answer, sends the next; connects again when the service hangs up.
class Client
{
public:
    Client(QUrl origin, QSslConfiguration tls, QString from, std::function<QByteArray()> nextRequest,
           QByteArray expected)
        : m_origin(std::move(origin)), m_tls(std::move(tls)), m_from(std::move(from)),
          m_nextRequest(std::move(nextRequest)), m_expected(std::move(expected))
    {
    }
    ~Client() { drop(); }

    void start()
    {
        m_running = true;
        connectNow();
    }
    // Sends no more; the answer on its way still counts.
    void stop() { m_running = false; }
    bool connected() const { return m_socket && m_socket->isEncrypted(); }
    bool waiting() const { return m_waiting; }
    void resetCounts() { m_answers = m_wrong = m_refused = m_dropped = 0; }

    int answers() const { return m_answers; }
    int wrong() const { return m_wrong; }
    int refused() const { return m_refused; } // 429
    int dropped() const { return m_dropped; }
    QByteArray firstWrong() const { return m_firstWrong; }

private:
    void connectNow()
    {
        drop();
        m_socket = new QSslSocket;
        m_socket->setSslConfiguration(m_tls);
        m_socket->setPeerVerifyName(QStringLiteral("localhost"));
        m_socket->bind(QHostAddress(m_from));
        QObject::connect(m_socket, &QSslSocket::encrypted, m_socket, [this] { send(); });
        QObject::connect(m_socket, &QSslSocket::readyRead, m_socket, [this] { read(); });
        QObject::connect(m_socket, &QSslSocket::disconnected, m_socket, [this] {
            ++m_dropped;
            m_waiting = false;
            if (m_running)
                QMetaObject::invokeMethod(m_socket, [this] { connectNow(); }, Qt::QueuedConnection);
        });
        m_socket->connectToHostEncrypted(m_origin.host(), static_cast<quint16>(m_origin.port()));
    }
    void drop()
    {
        if (!m_socket)
            return;
        QObject::disconnect(m_socket, nullptr, nullptr, nullptr);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    void send()
    {
        m_received.clear();
        m_waiting = m_running;
        if (m_running)
            m_socket->write(m_nextRequest());
    }
    void read()
    {
        m_received += m_socket->readAll();
        const qsizetype headEnd = m_received.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const qsizetype lengthAt = m_received.toLower().indexOf("content-length:");
        if (lengthAt < 0 || lengthAt > headEnd)
            return;
        const qsizetype lineEnd = m_received.indexOf("\r\n", lengthAt);
        const qsizetype length = m_received.mid(lengthAt + 15, lineEnd - lengthAt - 15).trimmed().toLongLong();
        if (m_received.size() < headEnd + 4 + length)
            return;
        ++m_answers;
        if (m_received.startsWith("HTTP/1.1 429"))
            ++m_refused;
        else if (!m_received.contains(m_expected) && m_wrong++ == 0)
            m_firstWrong = m_received.left(200);
        send();
    }

    QUrl m_origin;
    QSslConfiguration m_tls;
    QString m_from;
    std::function<QByteArray()> m_nextRequest;
    QByteArray m_expected;
    QSslSocket* m_socket = nullptr;
    QByteArray m_received;
    QByteArray m_firstWrong;
    bool m_running = false;
    bool m_waiting = false;
    int m_answers = 0;
    int m_wrong = 0;
    int m_refused = 0;
    int m_dropped = 0;
};

struct Load
{
    double perSecond = 0; // answers holding the expected text
    double answersPerSecond = 0;
    double seconds = 0;
    int wrong = 0;
    int refused = 0;
    int dropped = 0;
    QByteArray firstWrong;
};

// Runs the clients until all are connected, then counts for `ms` (or until *stop); the
// service's peak resident memory is sampled on the way.
Load runClients(std::vector<std::unique_ptr<Client>>& clients, int ms, const std::atomic<bool>* stop = nullptr)
{
    for (auto& client : clients)
        client->start();
    const QDeadlineTimer connecting(10000);
    while (!connecting.hasExpired() &&
           !std::all_of(clients.begin(), clients.end(), [](const auto& c) { return c->connected(); }))
        handleEventsFor(20);
    for (auto& client : clients)
        client->resetCounts();
    QElapsedTimer clock;
    clock.start();
    while (stop ? !stop->load() : clock.elapsed() < ms)
        handleEventsFor(20);
    Load load;
    int answers = 0;
    for (auto& client : clients) {
        answers += client->answers();
        load.wrong += client->wrong();
        load.refused += client->refused();
        load.dropped += client->dropped();
        if (load.firstWrong.isEmpty())
            load.firstWrong = client->firstWrong();
    }
    load.perSecond = (answers - load.wrong - load.refused) / (elapsedMs(clock) / 1000.0);
    load.seconds = elapsedMs(clock) / 1000.0;
    load.answersPerSecond = answers / load.seconds;
    for (auto& client : clients)
        client->stop();
    // The requests still queued at the service: the next measurement must not share the cores.
    const QDeadlineTimer draining(30000);
    while (!draining.hasExpired() &&
           std::any_of(clients.begin(), clients.end(), [](const auto& c) { return c->waiting(); }))
        handleEventsFor(20);
    clients.clear();
    handleEventsFor(200);
    return load;
}

QByteArray get(const QString& pathAndQuery)
{
    return "GET " + pathAndQuery.toLatin1() + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
}

// Sign-in latencies of one client on a fresh connection each time (handshake included), from
// its own local address; blocking, so it can run on a thread of its own.
std::vector<double> signInLatencies(const QString& origin, const QString& certPath, const QByteArray& request,
                                    const QString& fromAddress, int count, int* failed)
{
    AccountdClient client(origin, certPath);
    std::vector<double> latencies;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        const AccountdClient::Reply reply = client.raw(request, fromAddress);
        latencies.push_back(elapsedMs(clock));
        *failed += reply.success() == QStringLiteral("true") ? 0 : 1;
    }
    return latencies;
}

// Opens `count` TLS connections that send nothing: 8 per local address and 64 handshakes at
// a time, within what the service lets one address or everyone have under way; how many
// completed the handshake.
int openIdleConnections(const QString& origin, const QString& certPath, int count,
                        std::vector<std::unique_ptr<QSslSocket>>* sockets)
{
    const QUrl url(origin);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(certPath));
    const auto encrypted = [&] {
        return static_cast<int>(std::count_if(sockets->begin(), sockets->end(),
                                              [](const auto& socket) { return socket->isEncrypted(); }));
    };
    const auto underWay = [&] {
        return static_cast<int>(std::count_if(sockets->begin(), sockets->end(), [](const auto& socket) {
            return !socket->isEncrypted() && socket->state() != QAbstractSocket::UnconnectedState;
        }));
    };
    QElapsedTimer clock;
    clock.start();
    // Below the service's 10 s idle time-out, so that the first ones are still open.
    while (clock.elapsed() < 9000) {
        const int inFlight = underWay();
        if (static_cast<int>(sockets->size()) == count && inFlight == 0)
            break;
        for (int i = inFlight; i < 64 && static_cast<int>(sockets->size()) < count; ++i) {
            const int n = static_cast<int>(sockets->size());
            auto socket = std::make_unique<QSslSocket>();
            socket->setSslConfiguration(tls);
            socket->setPeerVerifyName(QStringLiteral("localhost"));
            socket->bind(QHostAddress(QStringLiteral("127.0.3.%1").arg(1 + n / 8)));
            socket->connectToHostEncrypted(url.host(), static_cast<quint16>(url.port()));
            sockets->push_back(std::move(socket));
        }
        handleEventsFor(20);
    }
    return encrypted();
}

// bench@example.org, confirmed, with the password secret123.
bool createBenchAccount(AccountdProcess& service)
{
    AccountdClient client(service.origin(), service.certPath());
    const AccountdClient::Query account{{QStringLiteral("username"), QStringLiteral("bench")},
                                        {QStringLiteral("email"), QStringLiteral("bench@example.org")},
                                        {QStringLiteral("password"), QStringLiteral("secret123")}};
    if (client.get(QStringLiteral("/api/mac_user/register"), account).success() != QStringLiteral("true"))
        return false;
    const auto link = QRegularExpression(QStringLiteral("https://\\S+token=[A-Za-z0-9_-]+"))
                          .match(QString::fromUtf8(service.mails().value(0)));
    return link.hasMatch() && client.getUrl(link.captured(0)).status == 200;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!PasswordHasher::initialize())
        return 1;

    std::vector<double> hashes;
    std::vector<double> verifies;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer clock;
        clock.start();
        const auto hash = PasswordHasher::hash(QStringLiteral("secret123"));
        hashes.push_back(elapsedMs(clock));
        clock.restart();
        PasswordHasher::verify(*hash, QStringLiteral("secret123"));
        verifies.push_back(elapsedMs(clock));
    }
    std::printf("Argon2id (opslimit %llu, memlimit %zu MiB): hash median %.1f ms, verify median %.1f ms\n",
                PasswordHasher::kOpsLimit, PasswordHasher::kMemLimit >> 20, percentile(hashes, 0.5),
                percentile(verifies, 0.5));
    const QByteArray stored = PasswordHasher::hash(QStringLiteral("secret123")).value_or(QByteArray());

    QTemporaryDir dir;
    AccountdProcess service(dir.path());
    QString log;
    if (!service.start({QStringLiteral("--rate-limit"), QStringLiteral("0")}, &log)) {
        std::fprintf(stderr, "tableclick-accountd did not start:\n%s\n", qPrintable(log));
        return 1;
    }
    const qint64 idleKiB = service.residentKiB();
    if (!createBenchAccount(service))
        return 1;
    AccountdClient client(service.origin(), service.certPath());

    const QString login = QStringLiteral("/api/mac_user/login?email=bench%40example.org&password=secret123");
    std::vector<double> roundTrips;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        const AccountdClient::Reply reply = client.getUrl(service.origin() + login);
        if (i > 0) // the first one also pays for the TLS handshake
            roundTrips.push_back(elapsedMs(clock));
        if (reply.success() != QStringLiteral("true"))
            return 1;
    }
    std::printf(
        "sign-in round trip on the loopback (one client, kept connection): median %.1f ms, max %.1f ms\n",
        percentile(roundTrips, 0.5), percentile(roundTrips, 1.0));
    client.closeConnections();

    // The ceiling of n clients is what min(n, cores) threads hash with nothing else running:
    // one client waits for each answer, so it never has more than one hash under way. Other
    // work on the machine comes and goes, so short runs and ceilings take turns, six of each.
    const int cores = QThread::idealThreadCount();
    const QUrl origin(service.origin());
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(service.certPath()));
    int failed = 0;
    for (const int clients : {1, 4, 16}) {
        const int threads = std::min(clients, cores);
        std::vector<double> ceilings;
        double signIns = 0;
        double seconds = 0;
        int wrong = 0;
        int dropped = 0;
        for (int turn = 0; turn < 6; ++turn) {
            ceilings.push_back(rawRate(stored, threads, 1000));
            std::vector<std::unique_ptr<Client>> signers;
            for (int i = 0; i < clients; ++i)
                signers.push_back(std::make_unique<Client>(
                    origin, tls, QStringLiteral("127.0.1.%1").arg(i + 1), [&] { return get(login); },
                    "\"success\":\"true\""));
            const Load load = runClients(signers, 2000);
            signIns += load.perSecond * load.seconds;
            seconds += load.seconds;
            wrong += load.wrong;
            dropped += load.dropped;
            if (!load.firstWrong.isEmpty())
                std::printf("  first unexpected answer: %s\n", load.firstWrong.constData());
        }
        ceilings.push_back(rawRate(stored, threads, 1000));
        const double ceiling = std::accumulate(ceilings.begin(), ceilings.end(), 0.0) / ceilings.size();
        const double rate = signIns / seconds;
        failed += wrong;
        std::printf("sign-ins per second, %2d clients from %2d addresses, SQLite: %.2f = %.0f%% of the raw "
                    "Argon2id rate on %d thread%s, %.2f (%.2f to %.2f) (%d not \"true\", %d connections lost)\n",
                    clients, clients, rate, 100.0 * rate / ceiling, threads, threads == 1 ? "" : "s", ceiling,
                    *std::min_element(ceilings.begin(), ceilings.end()),
                    *std::max_element(ceilings.begin(), ceilings.end()), wrong, dropped);
    }

    // Another client floods from a single address with as many connections as one address
    // may hold; a normal client signs in from its own, on a fresh connection each time. Once
    // with no request limit, and once against a second instance with the default one, where
    // the flood is mostly answered 429.
    const QByteArray loginRequest = get(login);
    constexpr int kSamples = 50;
    int slowFailed = 0;
    const std::vector<double> calm = signInLatencies(service.origin(), service.certPath(), loginRequest,
                                                     QStringLiteral("127.0.0.2"), kSamples, &slowFailed);
    std::printf("sign-in on a fresh connection, alone: p50 %.1f ms, p99 %.1f ms\n", percentile(calm, 0.5),
                percentile(calm, 0.99));
    struct Flood
    {
        const char* what;
        std::function<QByteArray()> request;
        QByteArray expected;
    };
    int unknown = 0;
    const std::vector<Flood> floods{
        {"code requests for one account",
         [] { return get(QStringLiteral("/api/mac_user/email_confirm?email=bench%40example.org")); },
         "\"success\":\"true\""},
        {"wrong sign-ins to unknown addresses",
         [&unknown] {
             return get(QStringLiteral("/api/mac_user/login?email=nobody%1%40example.org&password=wrong1234")
                            .arg(++unknown));
         },
         "\"success\":\"false\""},
    };
    QTemporaryDir limitedDir;
    AccountdProcess limited(limitedDir.path());
    if (!limited.start({}, &log) || !createBenchAccount(limited))
        return 1;
    int normalAddress = 2;
    for (AccountdProcess* target : {&service, &limited}) {
        std::printf("sign-in on a fresh connection %s:\n",
                    target == &service ? "with no request limit" : "with the default limit of 120 a minute");
        QSslConfiguration targetTls = QSslConfiguration::defaultConfiguration();
        targetTls.setCaCertificates(QSslCertificate::fromPath(target->certPath()));
        for (const Flood& flood : floods) {
            const QString normal = QStringLiteral("127.0.0.%1").arg(++normalAddress);
            std::atomic<bool> signedIn{false};
            std::vector<double> flooded;
            std::vector<std::unique_ptr<Client>> flooders;
            for (int i = 0; i < 16; ++i)
                flooders.push_back(std::make_unique<Client>(QUrl(target->origin()), targetTls, QStringLiteral("127.0.0.1"),
                                                            flood.request, flood.expected));
            std::thread signer([&] {
                QThread::msleep(500); // the flood first
                flooded = signInLatencies(target->origin(), target->certPath(), loginRequest, normal, kSamples,
                                          &slowFailed);
                signedIn = true;
            });
            const Load load = runClients(flooders, 0, &signedIn);
            signer.join();
            std::printf("  while another address floods %s (%.1f answers per second, %d refused with 429, %d "
                        "unexpected, %d connections lost): p50 %.1f ms, p99 %.1f ms\n",
                        flood.what, load.answersPerSecond, load.refused, load.wrong, load.dropped,
                        percentile(flooded, 0.5), percentile(flooded, 0.99));
        }
    }
    failed += slowFailed;
    const qint64 limitedPeakKiB = limited.peakResidentKiB();
    limited.stop();

    std::vector<std::unique_ptr<Client>> readers;
    for (int i = 0; i < 4; ++i)
        readers.push_back(std::make_unique<Client>(origin, tls, QStringLiteral("127.0.2.%1").arg(i + 1),
                                                   [] { return get(QStringLiteral("/legal")); }, "terms of use"));
    const Load pages = runClients(readers, 3000);
    std::printf("terms pages per second, 4 clients at once (no hashing): %.0f (%d wrong)\n", pages.perSecond,
                pages.wrong);
    std::printf("cores: %d\n", cores);

    const qint64 beforeKiB = service.residentKiB();
    std::vector<std::unique_ptr<QSslSocket>> idle;
    const int open = openIdleConnections(service.origin(), service.certPath(), 500, &idle);
    handleEventsFor(500);
    const qint64 withIdleKiB = service.residentKiB();
    // And with every worker hashing besides, for 8 clients of their own.
    std::vector<std::unique_ptr<Client>> busy;
    for (int i = 0; i < 8; ++i)
        busy.push_back(std::make_unique<Client>(origin, tls, QStringLiteral("127.0.4.%1").arg(i + 1),
                                                [&] { return get(login); }, "\"success\":\"true\""));
    std::vector<double> busyKiB;
    for (auto& client : busy)
        client->start();
    for (int i = 0; i < 20; ++i) {
        handleEventsFor(100);
        busyKiB.push_back(static_cast<double>(service.residentKiB()));
    }
    busy.clear();
    const int stillOpen = static_cast<int>(
        std::count_if(idle.begin(), idle.end(), [](const auto& socket) { return socket->isEncrypted(); }));
    idle.clear();
    std::printf("resident memory: %lld KiB idle at start, %lld KiB after the runs above, %lld KiB with %d of "
                "500 idle TLS connections, up to %.0f KiB with %d of them still open and 8 clients signing in, "
                "%lld KiB at the most (%lld KiB for the instance with the request limit)\n",
                static_cast<long long>(idleKiB), static_cast<long long>(beforeKiB),
                static_cast<long long>(withIdleKiB), open, percentile(busyKiB, 1.0), stillOpen,
                static_cast<long long>(service.peakResidentKiB()), static_cast<long long>(limitedPeakKiB));
    return service.stop() == 0 && failed == 0 && open == 500 ? 0 : 1;
}
