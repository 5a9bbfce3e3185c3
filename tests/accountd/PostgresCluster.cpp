#include "PostgresCluster.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {
constexpr int kPort = 5432; // only names the socket file inside our own folder
}

PostgresCluster::~PostgresCluster()
{
    stop();
}

QStringList PostgresCluster::asServerUser(const QString& program, const QStringList& arguments) const
{
    // setpriv execs the program in place; its death signal stops a server that a crashed
    // test would otherwise leave behind.
    QStringList command{QStringLiteral("setpriv"), QStringLiteral("--pdeathsig=SIGINT")};
    if (m_asPostgres)
        command << QStringLiteral("--reuid=postgres --regid=postgres --init-groups").split(u' ');
    return command << QStringLiteral("--") << program << arguments;
}

bool PostgresCluster::run(const QString& program, const QStringList& arguments, QString* error,
                          bool asServer) const
{
    const QStringList command =
        asServer ? asServerUser(program, arguments) : QStringList{program} + arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.front(), command.mid(1));
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2")
                     .arg(command.join(u' '), QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool PostgresCluster::start(QString* error)
{
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& version : versions) {
        if (QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/initdb").arg(version)))
            m_binDir = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
    }
    if (m_binDir.isEmpty()) {
        *error = QStringLiteral("no PostgreSQL server (scripts/install-deps --test installs it)");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tableclick-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    m_asPostgres = ::geteuid() == 0;
    if (m_asPostgres &&
        !run(QStringLiteral("chown"), {QStringLiteral("postgres:postgres"), m_dir->path()}, error, false))
        return false;

    const QString data = m_dir->path() + QStringLiteral("/data");
    const auto words = [](const char* text) { return QString::fromLatin1(text).split(u' '); };
    if (!run(m_binDir + QStringLiteral("/initdb"),
             QStringList{QStringLiteral("-D"), data} +
                 words("-U accountd --auth=trust --no-sync -E UTF8 --locale=C"),
             error))
        return false;

    const QStringList command =
        asServerUser(m_binDir + QStringLiteral("/postgres"),
                     QStringList{QStringLiteral("-D"), data, QStringLiteral("-k"), m_dir->path(),
                                 QStringLiteral("-p"), QString::number(kPort)} +
                         words("-c listen_addresses= -c fsync=off -c full_page_writes=off"));
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(command.front(), command.mid(1));
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QString ignored;
        if (run(m_binDir + QStringLiteral("/pg_isready"),
                {QStringLiteral("-q"), QStringLiteral("-h"), m_dir->path(), QStringLiteral("-p"),
                 QString::number(kPort)},
                &ignored))
            return true;
        if (m_server.state() == QProcess::NotRunning)
            break;
        QThread::msleep(100);
    }
    *error = QStringLiteral("the PostgreSQL server did not come up: %1")
                 .arg(QString::fromLocal8Bit(m_server.readAll()));
    return false;
}

void PostgresCluster::stop()
{
    if (m_server.state() != QProcess::NotRunning) {
        // SIGINT is PostgreSQL's fast shutdown; through setpriv the signal reaches it directly.
        ::kill(static_cast<pid_t>(m_server.processId()), SIGINT);
        if (!m_server.waitForFinished(30000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
    m_dir.reset();
}

QString PostgresCluster::createDatabase(const QString& name, QString* error)
{
    if (!run(m_binDir + QStringLiteral("/createdb"),
             {QStringLiteral("-h"), m_dir->path(), QStringLiteral("-p"), QString::number(kPort),
              QStringLiteral("-U"), QStringLiteral("accountd"), name},
             error))
        return QString();
    return QStringLiteral("postgresql://accountd@localhost:%1/%2?host=%3")
        .arg(kPort)
        .arg(name, m_dir->path());
}
