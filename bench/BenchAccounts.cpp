// The account service's figures: the time of one Argon2id hash at the service's cost, the
// sign-in round trip over HTTPS on the loopback, sign-ins per second with 1, 4 and 16 clients
// against the raw Argon2id rate, sign-in latency while another client floods code requests,
// and resident memory idle and with 500 idle connections, against the real
// tableclick-accountd with SQLite in a temporary folder.
#include "AccountdClient.h"
#include "AccountdProcess.h"
#include "accountd/PasswordHasher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QThread>

#include <QSslSocket>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

double elapsedMs(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Keeps `clients` requests in flight, each client on its own connection, for `seconds` (or
// until *stop); answers holding `expected` per second, and how many did not.
std::pair<double, int> throughput(const QString& origin, const QString& certPath, const QString& pathAndQuery,
                                  const QByteArray& expected, int clients, int seconds,
                                  const std::atomic<bool>* stop = nullptr)
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(certPath));
    std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
    int done = 0;
    int wrong = 0;
    bool running = true;
    QElapsedTimer clock;
    clock.start();
    std::function<void(QNetworkAccessManager*)> send = [&](QNetworkAccessManager* network) {
        QNetworkRequest request(QUrl(origin + pathAndQuery));
        request.setSslConfiguration(tls);
        QNetworkReply* reply = network->get(request);
        QObject::connect(reply, &QNetworkReply::finished, reply, [&, reply, network] {
            if (running) {
                ++done;
                const QByteArray body = reply->readAll();
                if (!body.contains(expected) && wrong++ == 0)
                    std::printf("  first unexpected answer: %d %s\n",
                                reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                                body.left(160).constData());
                send(network);
            }
            reply->deleteLater();
        });
    };
    for (int i = 0; i < clients; ++i) {
        managers.push_back(std::make_unique<QNetworkAccessManager>());
        send(managers.back().get());
    }
    while (stop ? !stop->load() : clock.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double rate = (done - wrong) / (elapsedMs(clock) / 1000.0);
    running = false;
    // Let the answers still on their way arrive before the managers go.
    QElapsedTimer drain;
    drain.start();
    while (drain.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return {rate, wrong};
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

// Opens `count` TLS connections that send nothing, 16 per local address (the service's limit
// per address); how many completed the handshake.
int openIdleConnections(const QString& origin, const QString& certPath, int count,
                        std::vector<std::unique_ptr<QSslSocket>>* sockets)
{
    const QUrl url(origin);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(certPath));
    for (int i = 0; i < count; ++i) {
        auto socket = std::make_unique<QSslSocket>();
        socket->setSslConfiguration(tls);
        socket->setPeerVerifyName(QStringLiteral("localhost"));
        socket->bind(QHostAddress(QStringLiteral("127.0.3.%1").arg(1 + i / 16)));
        socket->connectToHostEncrypted(url.host(), static_cast<quint16>(url.port()));
        sockets->push_back(std::move(socket));
    }
    const auto encrypted = [&] {
        return static_cast<int>(std::count_if(sockets->begin(), sockets->end(),
                                              [](const auto& socket) { return socket->isEncrypted(); }));
    };
    QElapsedTimer clock;
    clock.start();
    // Below the service's 10 s idle time-out, so that the first ones are still open.
    while (encrypted() < count && clock.elapsed() < 9000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return encrypted();
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

    // The ceiling for sign-ins: checks per second with every core hashing and nothing else.
    double rawRate = 0;
    {
        const int threads = QThread::idealThreadCount();
        const QByteArray stored = PasswordHasher::hash(QStringLiteral("secret123")).value_or(QByteArray());
        std::vector<std::thread> workers;
        QElapsedTimer clock;
        clock.start();
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&stored] {
                for (int i = 0; i < 5; ++i)
                    PasswordHasher::verify(stored, QStringLiteral("secret123"));
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        rawRate = threads * 5 / (elapsedMs(clock) / 1000.0);
        std::printf("Argon2id checks per second on %d threads, nothing else running: %.1f\n", threads, rawRate);
    }

    QTemporaryDir dir;
    AccountdProcess service(dir.path());
    QString log;
    if (!service.start({QStringLiteral("--rate-limit"), QStringLiteral("0")}, &log)) {
        std::fprintf(stderr, "tableclick-accountd did not start:\n%s\n", qPrintable(log));
        return 1;
    }
    const qint64 idleKiB = service.residentKiB();
    AccountdClient client(service.origin(), service.certPath());
    const AccountdClient::Query account{{QStringLiteral("username"), QStringLiteral("bench")},
                                        {QStringLiteral("email"), QStringLiteral("bench@example.org")},
                                        {QStringLiteral("password"), QStringLiteral("secret123")}};
    if (client.get(QStringLiteral("/api/mac_user/register"), account).success() != QStringLiteral("true"))
        return 1;
    const auto link = QRegularExpression(QStringLiteral("https://\\S+token=[A-Za-z0-9_-]+"))
                          .match(QString::fromUtf8(service.mails().value(0)));
    if (!link.hasMatch() || client.getUrl(link.captured(0)).status != 200)
        return 1;

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

    // Its kept connection would count against the service's 16 per address.
    client.closeConnections();
    int failed = 0;
    for (const int clients : {1, 4, 16}) {
        const auto [logins, wrong] =
            throughput(service.origin(), service.certPath(), login, "\"success\":\"true\"", clients, 6);
        failed += wrong;
        std::printf("sign-ins per second, %2d clients at once, SQLite: %.1f = %.0f%% of the raw Argon2id rate "
                    "(%d not \"true\")\n",
                    clients, logins, 100.0 * logins / rawRate, wrong);
    }

    // One client (127.0.0.1) asks for codes as fast as it can while another signs in.
    const QByteArray loginRequest = "GET " + login.toLatin1() + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
    int slowFailed = 0;
    const std::vector<double> calm = signInLatencies(service.origin(), service.certPath(), loginRequest,
                                                     QStringLiteral("127.0.0.2"), 40, &slowFailed);
    std::atomic<bool> signedIn{false};
    std::vector<double> flooded;
    std::thread signer([&] {
        flooded = signInLatencies(service.origin(), service.certPath(), loginRequest, QStringLiteral("127.0.0.2"),
                                  40, &slowFailed);
        signedIn = true;
    });
    const auto [codeRequests, codeWrong] = throughput(
        service.origin(), service.certPath(), QStringLiteral("/api/mac_user/email_confirm?email=bench%40example.org"),
        "\"success\":\"true\"", 6, 0, &signedIn);
    signer.join();
    failed += slowFailed;
    std::printf("sign-in on a fresh connection: p50 %.1f ms, p99 %.1f ms alone; p50 %.1f ms, p99 %.1f ms while "
                "another client floods code requests (%.1f per second, %d refused)\n",
                percentile(calm, 0.5), percentile(calm, 0.99), percentile(flooded, 0.5),
                percentile(flooded, 0.99), codeRequests, codeWrong);

    const auto [pages, missing] =
        throughput(service.origin(), service.certPath(), QStringLiteral("/legal"), "terms of use", 4, 3);
    std::printf("terms pages per second, 4 clients at once (no hashing): %.0f (%d wrong)\n", pages, missing);
    std::printf("worker threads: %d (one per core)\n", QThread::idealThreadCount());

    const qint64 beforeKiB = service.residentKiB();
    std::vector<std::unique_ptr<QSslSocket>> idle;
    const int open = openIdleConnections(service.origin(), service.certPath(), 500, &idle);
    QThread::msleep(500);
    std::printf("resident memory: %lld KiB idle at start, %lld KiB after the runs above, %lld KiB with %d idle "
                "TLS connections\n",
                static_cast<long long>(idleKiB), static_cast<long long>(beforeKiB),
                static_cast<long long>(service.residentKiB()), open);
    idle.clear();
    return service.stop() == 0 && failed == 0 ? 0 : 1;
}
