// tableclick-accountd: the account service that Tableclick signs in to. See --help.
#include "AccountServer.h"
#include "AccountService.h"
#include "platform/XLog.h"
#include "AccountdOptions.h"
#include "MaildirMailer.h"
#include "PasswordHasher.h"
#include "ShutdownSignal.h"
#include "SmtpMailer.h"
#include "TestHooks.h"
#include "TlsIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

int fail(const QString& message)
{
    XLogIn(lcAccountService(), "cannot start: %s", qPrintable(message));
    return 1;
}

QString urlHost(const QHostAddress& address)
{
    return address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']'
                                                               : address.toString();
}

} // namespace

int main(int argc, char** argv)
{
    // The database, the outbox and the key are nobody else's business.
    ::umask(077);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tableclick-accountd"));

    const AccountdCommandLine commandLine = parseAccountdCommandLine(
        app.arguments(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!commandLine.options) {
        std::fputs(qPrintable(commandLine.text), commandLine.exitCode == 0 ? stdout : stderr);
        return commandLine.exitCode;
    }
    const AccountdOptions& options = *commandLine.options;

    if (!PasswordHasher::initialize())
        return fail(QStringLiteral("libsodium did not initialise"));
    if (!SmtpMailer::globalInit())
        return fail(QStringLiteral("libcurl did not initialise"));
    if (!QDir().mkpath(options.dataDir))
        return fail(QStringLiteral("cannot create %1").arg(options.dataDir));

    QString error;
    const auto identity = options.selfSigned
                              ? TlsIdentity::loadOrCreateSelfSigned(options.certPath, options.keyPath, &error)
                              : TlsIdentity::load(options.certPath, options.keyPath, &error);
    if (!identity)
        return fail(error);
    if (QFile::permissions(options.keyPath) &
        (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther))
        XLogIn(lcAccountService(), "warning: others may read the private key %s; chmod 600 it",
               qPrintable(options.keyPath));
    XLogIn(lcAccountService(), "certificate: %s", qPrintable(options.certPath));

    std::unique_ptr<Mailer> mailer;
    if (options.smtpUrl.isEmpty()) {
        auto outbox = std::make_unique<MaildirMailer>(options.outboxDir());
        if (!outbox->prepare(&error))
            return fail(error);
        XLogIn(lcAccountService(), "mail is written to the Maildir outbox %s", qPrintable(options.outboxDir()));
        mailer = std::move(outbox);
    } else {
        mailer = std::make_unique<SmtpMailer>(options.smtpUrl, options.mailFrom);
        XLogIn(lcAccountService(), "mail is sent through %s", qPrintable(options.smtpUrl.host()));
    }

    AccountServiceSettings settings;
    settings.mailFrom = options.mailFrom;
    settings.linkTtlMs = options.linkTtlSeconds * 1000LL;
    settings.codeTtlMs = options.codeTtlSeconds * 1000LL;
    if (const auto delay = TestHooks::firstLoginDelayMs()) {
        settings.maxLoginDelayMs = settings.maxLoginDelayMs / settings.firstLoginDelayMs * *delay;
        settings.firstLoginDelayMs = *delay;
    }
    AccountService service(settings, options.database, *mailer);
    if (!service.prepare(&error))
        return fail(QStringLiteral("%1: %2").arg(options.database.describe(), error));
    XLogIn(lcAccountService(), "accounts in %s", qPrintable(options.database.describe()));

    AccountServerLimits limits;
    limits.requestsPerMinute = options.requestsPerMinute;
    limits.workerThreads = options.workers;
    AccountServer server(service, limits);
    if (!server.listen(options.listenAddress, options.port, *identity, &error))
        return fail(QStringLiteral("cannot listen on %1:%2: %3")
                        .arg(options.listenAddress.toString())
                        .arg(options.port)
                        .arg(error));
    const QString origin =
        QStringLiteral("https://%1:%2").arg(urlHost(options.listenAddress)).arg(server.serverPort());
    service.setPublicUrl(options.publicUrl.isEmpty()
                             ? QStringLiteral("https://localhost:%1").arg(server.serverPort())
                             : options.publicUrl);

    ShutdownSignal shutdown;
    if (!shutdown.install())
        return fail(QStringLiteral("cannot catch SIGTERM"));
    QObject::connect(&shutdown, &ShutdownSignal::requested, &server, [&server](int number) {
        XLogIn(lcAccountService(), "signal %d: finishing the requests in hand", number);
        server.shutdown();
    });
    QObject::connect(&server, &AccountServer::stopped, &app, &QCoreApplication::quit);

    // Scripts and tests wait for exactly this line.
    std::printf("tableclick-accountd ready on %s\n", qPrintable(origin));
    std::fflush(stdout);
    const int status = QCoreApplication::exec();
    XLogIn(lcAccountService(), "stopped");
    SmtpMailer::globalCleanup();
    return status;
}
