#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One Tableclick per settings file: a lock file beside the settings, taken over when the
// process that held it is gone, and a local socket on which a second start asks the
// running one to come forward.
class XInstanceLock : public QObject
{
    Q_OBJECT
public:
    explicit XInstanceLock(const QString& settingsFile, QObject* parent = nullptr);
    ~XInstanceLock() override;

    // True when this process now holds the lock; it then listens for a second start.
    bool tryLock();
    // Asks the process that holds the lock to bring its window forward; false when it
    // did not take the request within `timeoutMs`.
    bool askHolderToRaise(int timeoutMs = 2000);
    QString lockFileName() const { return m_lockFileName; }

    static QString lockFileNameFor(const QString& settingsFile);
    static QString serverNameFor(const QString& settingsFile);

Q_SIGNALS:
    void raiseRequested();

private:
    QString m_lockFileName;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
