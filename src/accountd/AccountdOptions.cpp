#include "AccountdOptions.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

const char* const kDescription =
    "The Tableclick account service: the four requests of Tableclick's sign-in, sign-up and\n"
    "password-reset screens (GET /api/mac_user/login, /register, /email_confirm and\n"
    "/reset_password, JSON replies), the confirmation links it mails\n"
    "(/api/mac_user/confirm?token=...) and the terms page (/legal), over HTTPS only.";

const char* const kDetails = R"(
Storage: SQLite in DIR/accounts.sqlite unless --database names a PostgreSQL
database (postgresql://user@host:5432/name, ?host=/socket/dir, ?sslmode=...; the
password may also come from PGPASSWORD or ~/.pgpass). Several instances may
share one PostgreSQL database behind a load balancer. The schema is created or
migrated at start. Passwords are kept only as Argon2id hashes.

TLS: without --cert/--key the service makes a self-signed certificate for
localhost once and keeps it in DIR/tls/cert.pem (key DIR/tls/key.pem, mode 0600).
A client of a local service trusts exactly that certificate.

Mail: without --smtp every mail is written as one file into the Maildir
DIR/outbox/ (tmp/, new/, cur/). --smtp smtp://user@host:587 sends through that
server with STARTTLS (smtps:// for TLS from the start); the password may come
from TABLECLICK_ACCOUNTD_SMTP_PASSWORD instead of the URL.

Limits: 10 failed sign-ins per e-mail address and per client address in 15
minutes, then every sign-in is refused for a while; --rate-limit requests per
minute per client address (answer 429); requests larger than 8 KiB (413).

When it is ready the service prints one line on standard output:
  tableclick-accountd ready on https://ADDRESS:PORT
Log lines go to standard error. SIGTERM or SIGINT stop it cleanly: requests in
hand are answered first.

Run it as a systemd user service with data/tableclick-accountd.service.
)";

bool positiveSeconds(const QString& text, int* value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number <= 0)
        return false;
    *value = number;
    return true;
}

AccountdCommandLine failure(const QString& message)
{
    return {std::nullopt, QStringLiteral("tableclick-accountd: %1\nTry --help.\n").arg(message), 2};
}

} // namespace

AccountdCommandLine parseAccountdCommandLine(const QStringList& arguments, const QString& xdgDataHome)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral("Address to listen on (default 127.0.0.1; 0.0.0.0 or :: for all)."),
        QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port (default 5000; 0 takes a free one)."),
                                  QStringLiteral("N"), QStringLiteral("5000"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral(
            "Folder of the database, certificate and outbox (default $XDG_DATA_HOME/Tableclick/accounts)."),
        QStringLiteral("DIR"));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("postgresql://... or sqlite:FILE (default SQLite in DIR)."), QStringLiteral("URL"));
    const QCommandLineOption cert(QStringLiteral("cert"), QStringLiteral("PEM certificate (chain) to serve."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("PEM private key of --cert."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption smtp(
        QStringLiteral("smtp"),
        QStringLiteral("Send mail through this server (smtp://host:587 or smtps://...)."),
        QStringLiteral("URL"));
    const QCommandLineOption publicUrl(
        QStringLiteral("public-url"),
        QStringLiteral("Base of the links in mails (default https://localhost:PORT)."),
        QStringLiteral("URL"));
    const QCommandLineOption mailFrom(
        QStringLiteral("mail-from"),
        QStringLiteral("Sender of the mails (default \"Tableclick <no-reply@localhost>\")."),
        QStringLiteral("MAILBOX"));
    const QCommandLineOption linkTtl(QStringLiteral("link-ttl"),
                                     QStringLiteral("Lifetime of a confirmation link (default 86400)."),
                                     QStringLiteral("SECONDS"));
    const QCommandLineOption codeTtl(QStringLiteral("code-ttl"),
                                     QStringLiteral("Lifetime of a verification code (default 900)."),
                                     QStringLiteral("SECONDS"));
    const QCommandLineOption rateLimit(
        QStringLiteral("rate-limit"),
        QStringLiteral("Requests per minute per client address (default 120; 0: off)."), QStringLiteral("N"));
    const QCommandLineOption workers(
        QStringLiteral("workers"),
        QStringLiteral("Requests served at once; each holds 64 MiB while it hashes a password (default: one "
                       "per core, at most 2)."),
        QStringLiteral("N"));
    parser.addOptions({help, version, listen, port, dataDir, database, cert, key, smtp, publicUrl, mailFrom,
                       linkTtl, codeTtl, rateLimit, workers});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().front()));
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText() + QString::fromLatin1(kDetails), 0};
    if (parser.isSet(version))
        return {std::nullopt, QStringLiteral("tableclick-accountd %1\n").arg(QLatin1String(PROJECT_VERSION)),
                0};

    AccountdOptions options;
    if (!options.listenAddress.setAddress(parser.value(listen)))
        return failure(QStringLiteral("--listen needs an IP address, not %1").arg(parser.value(listen)));
    bool ok = false;
    const uint portNumber = parser.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        return failure(QStringLiteral("--port needs a number from 0 to 65535"));
    options.port = static_cast<quint16>(portNumber);

    options.dataDir =
        parser.isSet(dataDir) ? parser.value(dataDir) : xdgDataHome + QStringLiteral("/Tableclick/accounts");
    options.dataDir = QDir::cleanPath(QDir(options.dataDir).absolutePath());
    if (parser.isSet(database)) {
        QString error;
        const auto settings = DatabaseSettings::fromUrl(parser.value(database), &error);
        if (!settings)
            return failure(QStringLiteral("--database: %1").arg(error));
        options.database = *settings;
    } else {
        options.database = DatabaseSettings::sqliteFile(options.dataDir + QStringLiteral("/accounts.sqlite"));
    }

    if (parser.isSet(cert) != parser.isSet(key))
        return failure(QStringLiteral("--cert and --key go together"));
    options.selfSigned = !parser.isSet(cert);
    options.certPath =
        options.selfSigned ? options.dataDir + QStringLiteral("/tls/cert.pem") : parser.value(cert);
    options.keyPath =
        options.selfSigned ? options.dataDir + QStringLiteral("/tls/key.pem") : parser.value(key);

    if (parser.isSet(smtp)) {
        options.smtpUrl = QUrl(parser.value(smtp), QUrl::StrictMode);
        const QString scheme = options.smtpUrl.scheme();
        if (!options.smtpUrl.isValid() || options.smtpUrl.host().isEmpty() ||
            (scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps")))
            return failure(QStringLiteral("--smtp needs smtp://host[:port] or smtps://host[:port]"));
    }

    if (parser.isSet(publicUrl)) {
        const QUrl url(parser.value(publicUrl), QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() ||
            (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) ||
            url.hasQuery())
            return failure(QStringLiteral("--public-url needs https://host[:port][/path]"));
        options.publicUrl = url.toString();
        while (options.publicUrl.endsWith(u'/'))
            options.publicUrl.chop(1);
    }
    if (parser.isSet(mailFrom)) {
        options.mailFrom = parser.value(mailFrom);
        if (!options.mailFrom.contains(u'@') || options.mailFrom.contains(u'\n') ||
            options.mailFrom.contains(u'\r'))
            return failure(QStringLiteral("--mail-from needs an address"));
    }
    if (parser.isSet(linkTtl) && !positiveSeconds(parser.value(linkTtl), &options.linkTtlSeconds))
        return failure(QStringLiteral("--link-ttl needs a positive number of seconds"));
    if (parser.isSet(codeTtl) && !positiveSeconds(parser.value(codeTtl), &options.codeTtlSeconds))
        return failure(QStringLiteral("--code-ttl needs a positive number of seconds"));
    if (parser.isSet(rateLimit)) {
        options.requestsPerMinute = parser.value(rateLimit).toInt(&ok);
        if (!ok || options.requestsPerMinute < 0)
            return failure(QStringLiteral("--rate-limit needs a number, 0 for none"));
    }
    if (parser.isSet(workers)) {
        options.workers = parser.value(workers).toInt(&ok);
        if (!ok || options.workers < 1 || options.workers > 256)
            return failure(QStringLiteral("--workers needs a number from 1 to 256"));
    }
    return {options, QString(), 0};
}
