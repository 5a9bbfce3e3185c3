#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One Tableclick per settings file. A local socket decides: its name is claimed atomically
// and freed with the process that holds it, so of two starts at once one wins, even when
// the lock file beside the settings cannot be written. The lock file keeps out a holder
// that does not listen on this socket; it is taken over when the process it names is gone
// or when it names none (left empty or garbled by a crash). A second start asks the
// running one on the socket to come forward.
class XInstanceLock : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        // This process is the one; it listens for a second start.
        Held,
        // Another Tableclick runs with these settings.
        HeldElsewhere,
        // Neither the socket nor the lock file could be taken: a second start could not be
        // kept out.
        Unavailable,
    };

    explicit XInstanceLock(const QString& settingsFile, QObject* parent = nullptr);
    ~XInstanceLock() override;

    Outcome tryLock();
    // Asks the process that holds the lock to bring its window forward; false when it
    // did not take the request within `timeoutMs`.
    bool askHolderToRaise(int timeoutMs = 2000);
    QString lockFileName() const { return m_lockFileName; }

    static QString lockFileNameFor(const QString& settingsFile);
    static QString serverNameFor(const QString& settingsFile);

Q_SIGNALS:
    void raiseRequested();

private:
    bool takeLockFile(bool listening);

    QString m_lockFileName;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
