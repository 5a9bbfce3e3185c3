#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

// The real tableclick-accountd on a free port of 127.0.0.1, for the service tests.
class AccountdProcess
{
public:
    explicit AccountdProcess(QString dataDir) : m_dataDir(std::move(dataDir)) {}
    ~AccountdProcess() { stop(); }

    // Starts it and waits for its ready line; false (with its output in *log) otherwise.
    bool start(const QStringList& extraArguments, QString* log)
    {
        launch(extraArguments);
        return waitUntilReady(log);
    }
    // Added to the program's environment from the next start on.
    void setEnvironmentVariable(const QString& name, const QString& value)
    {
        QProcessEnvironment environment = m_process.processEnvironment();
        if (environment.isEmpty())
            environment = QProcessEnvironment::systemEnvironment();
        environment.insert(name, value);
        m_process.setProcessEnvironment(environment);
    }
    // The two halves of start(), for starting several at once.
    void launch(const QStringList& extraArguments)
    {
        if (!m_stderrFile.isOpen())
            m_stderrFile.open();
        m_process.setStandardErrorFile(m_stderrFile.fileName(), QIODevice::Append);
        m_process.setProgram(QStringLiteral(TABLECLICK_ACCOUNTD_BINARY));
        m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                           QStringLiteral("--data-dir"), m_dataDir} +
                               extraArguments);
        m_process.start();
    }
    bool waitUntilReady(QString* log)
    {
        const QRegularExpression ready(
            QStringLiteral("^tableclick-accountd ready on https://127\\.0\\.0\\.1:(\\d+)\\n"));
        QByteArray out;
        for (const QDeadlineTimer deadline(30000); !deadline.hasExpired();) {
            m_process.waitForReadyRead(100);
            out += m_process.readAllStandardOutput();
            if (const auto match = ready.match(QString::fromUtf8(out)); match.hasMatch()) {
                m_port = static_cast<quint16>(match.captured(1).toUInt());
                return true;
            }
            if (m_process.state() == QProcess::NotRunning)
                break;
        }
        *log = QString::fromUtf8(out + this->log());
        return false;
    }
    // SIGTERM, then waits; the exit code, or -1 when it had to be killed.
    int stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(15000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
                return -1;
            }
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    quint16 port() const { return m_port; }
    // Resident memory of the running program in KiB, 0 when unknown.
    qint64 residentKiB() const { return statusKiB("VmRSS:"); }
    // The most it has been resident since it started, in KiB.
    qint64 peakResidentKiB() const { return statusKiB("VmHWM:"); }
    QString origin() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    QString certPath() const { return m_dataDir + QStringLiteral("/tls/cert.pem"); }
    // Standard error so far: the access log among it.
    QByteArray log() { return readAll(m_stderrFile.fileName()); }

    // The mails in the outbox's new/ folder, oldest first (Maildir names start with the time).
    QList<QByteArray> mails() const
    {
        QList<QByteArray> result;
        for (const QFileInfo& info :
             QDir(m_dataDir + QStringLiteral("/outbox/new")).entryInfoList(QDir::Files, QDir::Name))
            result << readAll(info.filePath());
        return result;
    }

private:
    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    qint64 statusKiB(const QByteArray& field) const
    {
        for (const QByteArray& line :
             readAll(QStringLiteral("/proc/%1/status").arg(m_process.processId())).split('\n')) {
            if (line.startsWith(field))
                return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
        }
        return 0;
    }

    QString m_dataDir;
    QProcess m_process;
    // Standard error goes to a file: a pipe that nobody drains while a test blocks would fill,
    // and the service would stall in its next log line.
    QTemporaryFile m_stderrFile;
    quint16 m_port = 0;
};
