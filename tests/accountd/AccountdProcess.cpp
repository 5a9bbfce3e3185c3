#include "AccountdProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

AccountdProcess::AccountdProcess(QString dataDir) : m_dataDir(std::move(dataDir)) {}

AccountdProcess::~AccountdProcess()
{
    stop();
}

bool AccountdProcess::start(const QStringList& extraArguments, QString* log)
{
    launch(extraArguments);
    return waitUntilReady(log);
}

void AccountdProcess::setEnvironmentVariable(const QString& name, const QString& value)
{
    QProcessEnvironment environment = m_process.processEnvironment();
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    environment.insert(name, value);
    m_process.setProcessEnvironment(environment);
}

void AccountdProcess::launch(const QStringList& extraArguments)
{
    if (!m_stderrFile.isOpen())
        m_stderrFile.open();
    m_process.setStandardErrorFile(m_stderrFile.fileName(), QIODevice::Append);
    m_process.setProgram(QStringLiteral(TABLECLICK_ACCOUNTD_BINARY));
    m_process.setArguments(
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data-dir"), m_dataDir} +
        extraArguments);
    m_process.start();
}

bool AccountdProcess::waitUntilReady(QString* log)
{
    const QRegularExpression ready(
        QStringLiteral("^tableclick-accountd ready on https://127\\.0\\.0\\.1:(\\d+)\\n"));
    const QDeadlineTimer deadline(30000);
    QByteArray out;
    while (!deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
        out += m_process.readAllStandardOutput();
        const auto match = ready.match(QString::fromUtf8(out));
        if (match.hasMatch()) {
            m_port = static_cast<quint16>(match.captured(1).toUInt());
            return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    *log = QString::fromUtf8(out + this->log());
    return false;
}

int AccountdProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    m_process.terminate();
    if (!m_process.waitForFinished(15000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QByteArray AccountdProcess::log()
{
    QFile file(m_stderrFile.fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> AccountdProcess::mails() const
{
    QDir folder(m_dataDir + QStringLiteral("/outbox/new"));
    QList<QByteArray> result;
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            result << file.readAll();
    }
    return result;
}

namespace {

qint64 statusKiB(qint64 pid, const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

qint64 AccountdProcess::residentKiB() const
{
    return statusKiB(m_process.processId(), "VmRSS:");
}

qint64 AccountdProcess::peakResidentKiB() const
{
    return statusKiB(m_process.processId(), "VmHWM:");
}
