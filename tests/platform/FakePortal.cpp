#include "FakePortal.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMetaType>
#include <QTimer>

namespace {
// A position or size, and a stream as the portal lists it: its node and its properties.
using Pair = QPair<int, int>;
using StreamEntry = QPair<std::uint32_t, QVariantMap>;

const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// Where the portal puts a request or session of the caller's: named for the caller and its token.
QString handlePath(const QDBusMessage& message, const QString& kind, const QString& token)
{
    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QLatin1Char('/') + kind + QLatin1Char('/') + sender + QLatin1Char('/') + token;
}
} // namespace

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    stop();
}

void PrivateBus::stop()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    m_daemon.waitForFinished(5000);
}

QDBusConnection PrivateBus::connect(const QString& name) const
{
    // Qt keeps connections by name: a name used on an earlier bus would hand back that one.
    static int serial = 0;
    return QDBusConnection::connectToBus(m_address, name + QString::number(++serial));
}

FakePortal::FakePortal(QDBusConnection bus) : m_bus(std::move(bus))
{
    qDBusRegisterMetaType<Pair>();
    qDBusRegisterMetaType<StreamEntry>();
    qDBusRegisterMetaType<QList<StreamEntry>>();
    m_bus.registerVirtualObject(kPortalPath, this, QDBusConnection::SubPath);
    m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
}

FakePortal::~FakePortal()
{
    m_bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    m_bus.unregisterObject(kPortalPath, QDBusConnection::UnregisterTree);
}

std::vector<FakePortal::Call> FakePortal::calls(const QString& member) const
{
    const std::lock_guard lock(m_mutex);
    std::vector<Call> result;
    for (const Call& call : m_calls)
        if (call.member == member)
            result.push_back(call);
    return result;
}

void FakePortal::respond(const QString& requestPath, std::uint32_t code, const QVariantMap& results)
{
    QDBusMessage response = QDBusMessage::createSignal(
        requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response << code << results;
    m_bus.send(response);
}

void FakePortal::closeSession(const QString& session)
{
    QDBusMessage closed = QDBusMessage::createSignal(
        session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Closed"));
    closed << QVariantMap();
    m_bus.send(closed);
}

bool FakePortal::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    QVariantList arguments = message.arguments();
    for (QVariant& argument : arguments) {
        if (argument.canConvert<QDBusArgument>())
            argument = qdbus_cast<QVariantMap>(argument.value<QDBusArgument>());
    }
    const QString member = message.member();
    std::unique_lock lock(m_mutex);
    m_calls.push_back({message.path(), member, arguments});
    const QString lastSession = m_lastSession;
    lock.unlock();
    if (member == QLatin1String("Get")) {
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(3u)))));
        return true;
    }
    if (member == QLatin1String("Close")) {
        connection.send(message.createReply());
        return true;
    }
    if (member.startsWith(QLatin1String("Notify"))) {
        const QString session = arguments.value(0).value<QDBusObjectPath>().path();
        if (onNotify && session == lastSession)
            onNotify(member, arguments);
        const QDBusMessage reply =
            session == lastSession && !session.isEmpty()
                ? message.createReply()
                : message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("no such session"));
        if (answerLater.count() == 0) {
            connection.send(reply);
            return true;
        }
        {
            const std::lock_guard count(m_mutex);
            if (member == QLatin1String("NotifyPointerButton"))
                m_unansweredAtButtons.push_back(m_unanswered);
            ++m_unanswered;
        }
        QTimer::singleShot(answerLater, [this, connection, reply] {
            connection.send(reply);
            const std::lock_guard count(m_mutex);
            --m_unanswered;
        });
        return true;
    }
    const QVariantMap options = arguments.isEmpty() ? QVariantMap() : arguments.last().toMap();
    const QString request = handlePath(message, QStringLiteral("request"),
                                       options.value(QStringLiteral("handle_token")).toString());
    if (member == QLatin1String("CreateSession")) {
        const QString session = handlePath(message, QStringLiteral("session"),
                                           options.value(QStringLiteral("session_handle_token")).toString());
        {
            const std::lock_guard sessionLock(m_mutex);
            m_lastSession = session;
        }
        respond(request, 0, {{QStringLiteral("session_handle"), session}});
    } else if (member == QLatin1String("SelectDevices") || member == QLatin1String("SelectSources")) {
        respond(request, 0, {});
    } else if (member == QLatin1String("Start")) {
        if (startAnswer == 0u) {
            QList<StreamEntry> entries;
            for (const Stream& s : streams)
                entries.push_back(
                    {s.node,
                     {{QStringLiteral("position"), QVariant::fromValue(Pair{s.area.x(), s.area.y()})},
                      {QStringLiteral("size"), QVariant::fromValue(Pair{s.area.width(), s.area.height()})},
                      {QStringLiteral("source_type"), QVariant::fromValue(1u)}}});
            respond(request, 0,
                    {{QStringLiteral("devices"), QVariant::fromValue(2u)},
                     {QStringLiteral("streams"), QVariant::fromValue(entries)}});
        } else if (startAnswer) {
            respond(request, *startAnswer, {});
        }
    } else {
        connection.send(message.createErrorReply(QDBusError::UnknownMethod, member));
        return true;
    }
    connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
    return true;
}
