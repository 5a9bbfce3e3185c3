#include "XInstanceLock.h"

#include "platform/XLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
} // namespace

QString XInstanceLock::lockFileNameFor(const QString& settingsFile)
{
    // Not "<file>.lock": QSettings takes that one around each write.
    return settingsFile + QStringLiteral(".instance");
}

QString XInstanceLock::serverNameFor(const QString& settingsFile)
{
    // A name, not a path beside the settings: socket paths are short.
    const QByteArray path = QFileInfo(settingsFile).absoluteFilePath().toUtf8();
    return QStringLiteral("tableclick-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(24));
}

XInstanceLock::XInstanceLock(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_lockFileName(lockFileNameFor(settingsFile)),
      m_serverName(serverNameFor(settingsFile)), m_lock(m_lockFileName)
{
    // Never stale by age: only when the process that holds it is gone.
    m_lock.setStaleLockTime(0);
}

XInstanceLock::~XInstanceLock() = default;

bool XInstanceLock::tryLock()
{
    QDir().mkpath(QFileInfo(m_lockFileName).absolutePath());
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            return false;
        // An unwritable folder: the settings cannot be written either, which is shown then.
        XLog("ERROR! the lock %s could not be made; Tableclick runs without it", qPrintable(m_lockFileName));
        return true;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed holder; ours now, since the lock is.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        XLog("ERROR! a second start cannot reach this one: %s", qPrintable(m_server->errorString()));
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kRaiseRequest.trimmed()))
                    Q_EMIT raiseRequested();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool XInstanceLock::askHolderToRaise(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaiseRequest);
    return socket.waitForBytesWritten(timeoutMs);
}
