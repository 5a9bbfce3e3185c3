#include "PostgresCluster.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString kPort = u"5432"_s; // only names the socket file inside our own folder
}

PostgresCluster::~PostgresCluster()
{
    stop();
}

QStringList PostgresCluster::asServerUser(const QString& program, const QStringList& arguments) const
{
    // setpriv execs the program in place; its death signal stops a server that a crashed
    // test would otherwise leave behind.
    QStringList command{u"setpriv"_s, u"--pdeathsig=SIGINT"_s};
    if (m_asPostgres)
        command << u"--reuid=postgres --regid=postgres --init-groups"_s.split(u' ');
    return command << u"--"_s << program << arguments;
}

bool PostgresCluster::run(const QString& program, const QStringList& arguments, QString* error,
                          bool asServer) const
{
    const QStringList command =
        asServer ? asServerUser(program, arguments) : QStringList{program} + arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.front(), command.mid(1));
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    *error = u"%1 failed: %2"_s.arg(command.join(u' '), QString::fromLocal8Bit(process.readAll()));
    return false;
}

bool PostgresCluster::start(QString* error)
{
    for (const QString& version :
         QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo::exists(u"/usr/lib/postgresql/%1/bin/initdb"_s.arg(version)))
            m_binDir = u"/usr/lib/postgresql/%1/bin"_s.arg(version);
    }
    if (m_binDir.isEmpty()) {
        *error = u"no PostgreSQL server (scripts/install-deps --test installs it)"_s;
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/tableclick-pg-XXXXXX"_s);
    m_asPostgres = ::geteuid() == 0;
    if (m_asPostgres && !run(u"chown"_s, {u"postgres:postgres"_s, m_dir->path()}, error, false))
        return false;
    const QString data = m_dir->path() + u"/data"_s;
    if (!run(m_binDir + u"/initdb"_s,
             QStringList{u"-D"_s, data} +
                 u"-U accountd --auth=trust --no-sync -E UTF8 --locale=C"_s.split(u' '),
             error))
        return false;

    const QStringList command =
        asServerUser(m_binDir + u"/postgres"_s,
                     QStringList{u"-D"_s, data, u"-k"_s, m_dir->path(), u"-p"_s, kPort} +
                         u"-c listen_addresses= -c fsync=off -c full_page_writes=off"_s.split(u' '));
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(command.front(), command.mid(1));
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && m_server.state() != QProcess::NotRunning) {
        QString ignored;
        if (run(m_binDir + u"/pg_isready"_s, {u"-q"_s, u"-h"_s, m_dir->path(), u"-p"_s, kPort}, &ignored))
            return true;
        QThread::msleep(100);
    }
    *error = u"the PostgreSQL server did not come up: %1"_s.arg(QString::fromLocal8Bit(m_server.readAll()));
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
    if (!run(m_binDir + u"/createdb"_s,
             {u"-h"_s, m_dir->path(), u"-p"_s, kPort, u"-U"_s, u"accountd"_s, name}, error))
        return QString();
    return u"postgresql://accountd@localhost:%1/%2?host=%3"_s.arg(kPort, name, m_dir->path());
}
