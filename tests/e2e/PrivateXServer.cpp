#include "PrivateXServer.h"

#include "DesktopSession.h"

#include <QFile>
#include <QProcessEnvironment>

#include <sys/prctl.h>

#include <csignal>

PrivateXServer::PrivateXServer(QSize screen, int firstNumber)
{
    for (int n = firstNumber; n < firstNumber + 60 && m_name.isEmpty(); ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_server.setProcessChannelMode(QProcess::ForwardedChannels);
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        // waitForFinished also notices a server that gave up at once.
        if (DesktopSession::waitFor([&] { return QFile::exists(socket) || m_server.waitForFinished(20); }, 10000) &&
            m_server.state() == QProcess::Running)
            m_name = QStringLiteral(":%1").arg(n);
        else
            kill();
    }
}

void PrivateXServer::kill()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    m_server.waitForFinished(5000);
}

void PrivateXServer::xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_name);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(15000);
}
