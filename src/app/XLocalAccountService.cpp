#include "XLocalAccountService.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>

namespace {
const QString kUnit = QStringLiteral("tableclick-accountd.service");
const QByteArray kReadyLine = QByteArrayLiteral("tableclick-accountd ready");

bool unitIsEnabled()
{
    QProcess systemctl;
    systemctl.start(QStringLiteral("systemctl"), {QStringLiteral("--user"), QStringLiteral("is-enabled"),
                                                  QStringLiteral("--quiet"), kUnit});
    return systemctl.waitForFinished(3000) && systemctl.exitStatus() == QProcess::NormalExit &&
           systemctl.exitCode() == 0;
}
} // namespace

XLocalAccountService::XLocalAccountService(quint16 port, QObject* parent) : QObject(parent), m_port(port)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

XLocalAccountService::~XLocalAccountService()
{
    if (!m_started || m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString XLocalAccountService::programPath()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList candidates{here + QStringLiteral("/tableclick-accountd"),
                                 here + QStringLiteral("/../accountd/tableclick-accountd")};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return {};
}

bool XLocalAccountService::answers(int timeoutMs) const
{
    QTcpSocket probe;
    probe.connectToHost(QStringLiteral("127.0.0.1"), m_port);
    return probe.waitForConnected(timeoutMs);
}

XLocalAccountService::Outcome XLocalAccountService::ensureRunning(int readyMs)
{
    if (answers(300))
        return Outcome::AlreadyRunning;
    const QDeadlineTimer deadline(readyMs);
    if (unitIsEnabled()) {
        QProcess::execute(QStringLiteral("systemctl"), {QStringLiteral("--user"), QStringLiteral("start"), kUnit});
        while (!deadline.hasExpired()) {
            if (answers(200))
                return Outcome::StartedByUnit;
            QThread::msleep(100);
        }
        m_problem = QStringLiteral("the enabled unit %1 started, but nothing answers on port %2").arg(kUnit).arg(m_port);
        return Outcome::Failed;
    }
    const QString program = programPath();
    if (program.isEmpty()) {
        m_problem = QStringLiteral("tableclick-accountd is not installed beside %1")
                        .arg(QCoreApplication::applicationDirPath());
        return Outcome::NotFound;
    }
    m_process.start(program, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                              QString::number(m_port)});
    m_started = m_process.waitForStarted(5000);
    while (m_started && !deadline.hasExpired()) {
        if (m_process.canReadLine()) {
            if (m_process.readLine().startsWith(kReadyLine)) {
                // What it prints from now on is read and dropped, so that a full pipe never stalls it.
                connect(&m_process, &QProcess::readyReadStandardOutput, this,
                        [this] { m_process.readAllStandardOutput(); });
                return Outcome::Started;
            }
            continue;
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
        m_process.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    m_problem = QStringLiteral("%1 did not get ready (exit code %2)").arg(program).arg(m_process.exitCode());
    return Outcome::Failed;
}
