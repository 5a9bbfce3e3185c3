#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

// The real tableclick-accountd on a free port of 127.0.0.1, for the service tests.
class AccountdProcess
{
public:
    explicit AccountdProcess(QString dataDir);
    ~AccountdProcess();

    // Starts it and waits for its ready line; false (with its output in *log) otherwise.
    bool start(const QStringList& extraArguments, QString* log);
    // Added to the program's environment from the next start on.
    void setEnvironmentVariable(const QString& name, const QString& value);
    // The two halves of start(), for starting several at once.
    void launch(const QStringList& extraArguments);
    bool waitUntilReady(QString* log);
    // SIGTERM, then waits; the exit code, or -1 when it had to be killed.
    int stop();

    quint16 port() const { return m_port; }
    // Resident memory of the running program in KiB, 0 when unknown.
    qint64 residentKiB() const;
    // The most it has been resident since it started, in KiB.
    qint64 peakResidentKiB() const;
    QString origin() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    QString certPath() const { return m_dataDir + QStringLiteral("/tls/cert.pem"); }
    // Standard error so far: the access log among it.
    QByteArray log();

    // The mails in the outbox's new/ folder, oldest first (Maildir names start with the time).
    QList<QByteArray> mails() const;

private:
    QString m_dataDir;
    QProcess m_process;
    // Standard error goes to a file: a pipe that nobody drains while a test blocks would fill,
    // and the service would stall in its next log line.
    QTemporaryFile m_stderrFile;
    quint16 m_port = 0;
};
