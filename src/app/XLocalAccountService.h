#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// The local account service, for a Tableclick that signs in to it: when nothing answers on
// its port, a systemd user unit that is enabled is started, else the tableclick-accountd
// installed beside this program, which is stopped again when this program ends.
class XLocalAccountService : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        AlreadyRunning,
        StartedByUnit,
        Started,
        NotFound,
        Failed
    };

    explicit XLocalAccountService(quint16 port, QObject* parent = nullptr);
    // Stops the service this program started (SIGTERM: it answers the requests in hand first).
    ~XLocalAccountService() override;

    // Waits up to `readyMs` for the service to say it is ready.
    Outcome ensureRunning(int readyMs = 10000);
    // What went wrong, for the log, after NotFound or Failed.
    const QString& problem() const { return m_problem; }

    // Where the service program is: beside this one once installed, or in the build tree.
    static QString programPath();

private:
    bool answers(int timeoutMs) const;

    quint16 m_port;
    QProcess m_process;
    bool m_started = false;
    QString m_problem;
};
