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

bool XInstanceLock::takeLockFile(bool listening)
{
    QDir().mkpath(QFileInfo(m_lockFileName).absolutePath());
    if (m_lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host, application;
    // QLockFile takes over only from a process that is gone; a file that names none stays
    // for ever. While we hold the socket no other start is here, so removing it is safe.
    if (listening && m_lock.error() == QLockFile::LockFailedError &&
        !m_lock.getLockInfo(&pid, &host, &application)) {
        XLog("ERROR! the lock %s names no process; it is taken over", qPrintable(m_lockFileName));
        m_lock.removeStaleLockFile();
        return m_lock.tryLock(0);
    }
    return false;
}

XInstanceLock::Outcome XInstanceLock::tryLock()
{
    m_server = new QLocalServer(this);
    // An abstract name: no file to go stale, and binding it fails while anyone holds it.
    // Any local user may connect, and all a connection can ask is "come forward".
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    const bool listening = m_server->listen(m_serverName);
    const bool inUse = !listening && m_server->serverError() == QAbstractSocket::AddressInUseError;
    const bool locked = !inUse && takeLockFile(listening);
    if (inUse || (!locked && m_lock.error() == QLockFile::LockFailedError)) {
        // A live holder, on the socket or (one that does not listen on it) in the file.
        delete m_server;
        m_server = nullptr;
        return Outcome::HeldElsewhere;
    }
    if (!listening) {
        XLog("ERROR! a second start cannot reach this one: %s", qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return locked ? Outcome::Held : Outcome::Unavailable;
    }
    // A full disk or a read-only folder: the socket alone keeps a second start out, and the
    // settings cannot be written either, which is shown then.
    if (!locked)
        XLog("ERROR! the lock %s could not be made; the socket keeps a second start out",
             qPrintable(m_lockFileName));
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
    return Outcome::Held;
}

bool XInstanceLock::askHolderToRaise(int timeoutMs)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaiseRequest);
    return socket.waitForBytesWritten(timeoutMs);
}
