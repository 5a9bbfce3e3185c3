#pragma once

#include "DesktopSession.h"

#include <QFile>
#include <QSize>

// An Xvfb of the test's own, on the first free display number from `firstNumber`, so that
// killing it or changing its monitors spares the shared one. Gone with this object (or the
// test process).
class PrivateXServer
{
public:
    PrivateXServer(QSize screen, int firstNumber)
    {
        for (int n = firstNumber; n < firstNumber + 60 && m_name.isEmpty(); ++n) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
            m_server.setProcessChannelMode(QProcess::ForwardedChannels);
            m_server.start(QStringLiteral("Xvfb"),
                           {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            // waitForFinished also notices a server that gave up at once.
            if (DesktopSession::waitFor([&] { return QFile::exists(socket) || m_server.waitForFinished(20); },
                                        10000) &&
                m_server.state() == QProcess::Running)
                m_name = QStringLiteral(":%1").arg(n);
            else
                kill();
        }
    }
    ~PrivateXServer() { kill(); }

    // Empty when no server could be started.
    QString name() const { return m_name; }
    void kill()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

private:
    QProcess m_server;
    QString m_name;
};
