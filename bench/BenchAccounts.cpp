// The account service's figures: the time of one Argon2id hash at the service's cost, the
// sign-in round trip over HTTPS on the loopback, and sign-ins per second with four clients
// at once, against the real tableclick-accountd with SQLite in a temporary folder.
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

#include <algorithm>
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

// Keeps `clients` sign-ins in flight, each client on its own connection, for `seconds`;
// answers per second, and how many were not "true".
std::pair<double, int> throughput(const QString& origin, const QString& certPath, const QString& pathAndQuery,
                                  const QByteArray& expected, int clients, int seconds)
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
                wrong += reply->readAll().contains(expected) ? 0 : 1;
                send(network);
            }
            reply->deleteLater();
        });
    };
    for (int i = 0; i < clients; ++i) {
        managers.push_back(std::make_unique<QNetworkAccessManager>());
        send(managers.back().get());
    }
    while (clock.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double rate = done / (elapsedMs(clock) / 1000.0);
    running = false;
    // Let the answers still on their way arrive before the managers go.
    QElapsedTimer drain;
    drain.start();
    while (drain.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return {rate, wrong};
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

    // The ceiling for sign-ins: hashes per second with every core hashing and nothing else.
    {
        const int threads = QThread::idealThreadCount();
        std::vector<std::thread> workers;
        QElapsedTimer clock;
        clock.start();
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([] {
                for (int i = 0; i < 5; ++i)
                    PasswordHasher::hash(QStringLiteral("secret123"));
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        std::printf("Argon2id hashes per second on %d threads, nothing else running: %.1f\n", threads,
                    threads * 5 / (elapsedMs(clock) / 1000.0));
    }

    QTemporaryDir dir;
    AccountdProcess service(dir.path());
    QString log;
    if (!service.start({QStringLiteral("--rate-limit"), QStringLiteral("0")}, &log)) {
        std::fprintf(stderr, "tableclick-accountd did not start:\n%s\n", qPrintable(log));
        return 1;
    }
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

    const auto [logins, failed] =
        throughput(service.origin(), service.certPath(), login, "\"success\":\"true\"", 4, 8);
    std::printf("sign-ins per second, 4 clients at once, SQLite: %.1f (%d not \"true\")\n", logins, failed);
    const auto [pages, missing] =
        throughput(service.origin(), service.certPath(), QStringLiteral("/legal"), "terms of use", 4, 3);
    std::printf("terms pages per second, 4 clients at once (no hashing): %.0f (%d wrong)\n", pages, missing);
    std::printf("worker threads: %d (one per core)\n", QThread::idealThreadCount());
    return service.stop() == 0 && failed == 0 ? 0 : 1;
}
