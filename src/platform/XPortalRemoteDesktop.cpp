#include "XPortalRemoteDesktop.h"

#include "XLog.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QThread>
#include <QTimer>

namespace {
const QString kObjectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRemoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
// The portal's answers in a Response, and two of our own for answers that never came.
constexpr std::uint32_t kSuccess = 0;
constexpr std::uint32_t kCancelled = 1;
constexpr std::uint32_t kCallFailed = 100;
constexpr std::uint32_t kTimedOut = 101;
constexpr std::uint32_t kPointerDevice = 2;
constexpr std::uint32_t kMonitorSource = 1;

// A variant as it arrives from the bus: nested containers come as QDBusArgument.
QVariantMap mapOf(const QVariant& value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

bool pairOf(const QVariant& value, int& a, int& b)
{
    if (!value.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentType() != QDBusArgument::StructureType)
        return false;
    argument.beginStructure();
    argument >> a >> b;
    argument.endStructure();
    return true;
}

std::vector<XPortalStream> streamsOf(const QVariant& value)
{
    std::vector<XPortalStream> streams;
    if (!value.canConvert<QDBusArgument>())
        return streams;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentType() != QDBusArgument::ArrayType)
        return streams;
    argument.beginArray();
    while (!argument.atEnd()) {
        std::uint32_t node = 0;
        QVariantMap properties;
        argument.beginStructure();
        argument >> node >> properties;
        argument.endStructure();
        int x = 0, y = 0, width = 0, height = 0;
        // A stream without a place cannot be aimed at.
        if (pairOf(properties.value(QStringLiteral("position")), x, y) &&
            pairOf(properties.value(QStringLiteral("size")), width, height) && width > 0 && height > 0)
            streams.push_back({node, QRectF(x, y, width, height)});
        else if (pairOf(properties.value(QStringLiteral("size")), width, height) && width > 0 && height > 0)
            streams.push_back({node, QRectF(0, 0, width, height)});
    }
    argument.endArray();
    return streams;
}
} // namespace

XPortalRemoteDesktop::XPortalRemoteDesktop(QDBusConnection bus, Options options)
    : m_bus(std::move(bus)), m_options(std::move(options))
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("portal"));
    moveToThread(m_thread);
    m_thread->start();
}

XPortalRemoteDesktop::~XPortalRemoteDesktop()
{
    // Timers and calls in flight end on their own thread, and the object comes back here
    // to be destroyed. The desktop shows that it is remote-controlled until the session
    // is closed.
    QThread* here = QThread::currentThread();
    QMetaObject::invokeMethod(
        this,
        [this, here] {
            for (const Pending& pending : std::as_const(m_pending))
                delete pending.timer;
            m_pending.clear();
            closeSession();
            qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
            moveToThread(here);
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

XPortalRemoteDesktop::Snapshot XPortalRemoteDesktop::snapshot() const
{
    const std::lock_guard lock(m_mutex);
    return m_snapshot;
}

XPortalRemoteDesktop::Snapshot XPortalRemoteDesktop::open(std::stop_token stop, std::function<void()> asking)
{
    std::unique_lock lock(m_mutex);
    if (m_snapshot.state == State::Open || m_snapshot.state == State::Unavailable)
        return m_snapshot;
    m_asking = std::move(asking);
    if (m_snapshot.state != State::Opening) {
        m_snapshot.state = State::Opening;
        QMetaObject::invokeMethod(this, &XPortalRemoteDesktop::startOpening, Qt::QueuedConnection);
    }
    m_changed.wait(lock, stop, [this] { return m_snapshot.state != State::Opening; });
    // The caller's callback must not outlive its wait.
    m_asking = nullptr;
    return m_snapshot;
}

void XPortalRemoteDesktop::settle(State state, std::vector<XPortalStream> streams)
{
    {
        const std::lock_guard lock(m_mutex);
        m_snapshot.state = state;
        m_snapshot.streams = std::move(streams);
        if (state == State::Open) {
            ++m_snapshot.generation;
            m_refusedPost = false;
            m_answered = m_posted;
        }
    }
    m_changed.notify_all();
}

QString XPortalRemoteDesktop::nextToken()
{
    return QStringLiteral("tableclick%1").arg(++m_tokens);
}

void XPortalRemoteDesktop::startOpening()
{
    // No session bus at all: no call would ever be answered, nor fail.
    if (!m_bus.isConnected()) {
        XLog("no session bus: clicks reach only X11/XWayland windows");
        settle(State::Unavailable);
        return;
    }
    // The portal's own word on remote control; a bus without it says so at once.
    QDBusMessage get = QDBusMessage::createMethodCall(m_options.service, kObjectPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kRemoteDesktop << QStringLiteral("AvailableDeviceTypes");
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(get, static_cast<int>(m_options.callTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isError()) {
            XLog("no remote control on this desktop (%s): clicks reach only X11/XWayland windows",
                 qPrintable(reply.error().name()));
            settle(State::Unavailable);
            return;
        }
        if (!(reply.value().variant().toUInt() & kPointerDevice)) {
            XLog("the desktop's remote control offers no pointer: clicks reach only X11/XWayland windows");
            settle(State::Unavailable);
            return;
        }
        createSession();
    });
}

void XPortalRemoteDesktop::createSession()
{
    QVariantMap options{{QStringLiteral("session_handle_token"), nextToken()}};
    request(kRemoteDesktop, QStringLiteral("CreateSession"), {options}, m_options.callTimeout,
            [this](std::uint32_t code, const QVariantMap& results) {
                const QString handle = results.value(QStringLiteral("session_handle")).toString();
                if (code != kSuccess || handle.isEmpty()) {
                    XLog("ERROR! the desktop could not make a remote-control session (%u)", code);
                    settle(State::Failed);
                    return;
                }
                m_sessionHandle = handle;
                m_bus.connect(m_options.service, m_sessionHandle, kSession, QStringLiteral("Closed"), this,
                              SLOT(onSessionClosed(QDBusMessage)));
                selectDevices();
            });
}

std::function<void(std::uint32_t, const QVariantMap&)> XPortalRemoteDesktop::thenOrFail(void (XPortalRemoteDesktop::*next)())
{
    return [this, next](std::uint32_t code, const QVariantMap&) {
        if (code != kSuccess) {
            closeSession();
            settle(State::Failed);
            return;
        }
        (this->*next)();
    };
}

void XPortalRemoteDesktop::selectDevices()
{
    QVariantMap options{{QStringLiteral("types"), QVariant::fromValue(kPointerDevice)}};
    request(kRemoteDesktop, QStringLiteral("SelectDevices"),
            {QVariant::fromValue(QDBusObjectPath(m_sessionHandle)), options}, m_options.callTimeout,
            thenOrFail(&XPortalRemoteDesktop::selectSources));
}

void XPortalRemoteDesktop::selectSources()
{
    // Absolute motion is aimed at a shared monitor: every monitor, so any cell can be hit.
    QVariantMap options{{QStringLiteral("types"), QVariant::fromValue(kMonitorSource)},
                        {QStringLiteral("multiple"), true}};
    request(kScreenCast, QStringLiteral("SelectSources"),
            {QVariant::fromValue(QDBusObjectPath(m_sessionHandle)), options}, m_options.callTimeout,
            thenOrFail(&XPortalRemoteDesktop::start));
}

void XPortalRemoteDesktop::start()
{
    // Here the desktop asks the user.
    {
        const std::lock_guard lock(m_mutex);
        if (m_asking)
            m_asking();
    }
    request(kRemoteDesktop, QStringLiteral("Start"),
            {QVariant::fromValue(QDBusObjectPath(m_sessionHandle)), QString(), QVariantMap()},
            m_options.consentTimeout, [this](std::uint32_t code, const QVariantMap& results) {
                const std::uint32_t devices = results.value(QStringLiteral("devices")).toUInt();
                std::vector<XPortalStream> streams = streamsOf(results.value(QStringLiteral("streams")));
                if (code == kSuccess && (devices & kPointerDevice) && !streams.empty()) {
                    settle(State::Open, std::move(streams));
                    return;
                }
                closeSession();
                if (code == kSuccess) {
                    XLog("ERROR! the desktop started remote control without a pointer or a monitor");
                    settle(State::Refused);
                } else if (code == kCancelled) {
                    settle(State::Refused);
                } else if (code == kTimedOut) {
                    settle(State::Unanswered);
                } else {
                    XLog("ERROR! the desktop could not start remote control (%u)", code);
                    settle(State::Failed);
                }
            });
}

void XPortalRemoteDesktop::request(const QString& interface, const QString& method, QVariantList arguments,
                                   std::chrono::milliseconds timeout,
                                   std::function<void(std::uint32_t, const QVariantMap&)> done)
{
    // The Response may come before the call's own reply: listen on the handle the portal
    // will use before calling.
    const QString token = nextToken();
    QVariantMap options = arguments.last().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.last() = options;
    const QString sender = m_bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected = kObjectPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    m_bus.connect(m_options.service, expected, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(QDBusMessage)));
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            if (it->timer != timer)
                continue;
            const QString handle = it.key();
            // The dialog goes away with its request.
            m_bus.send(QDBusMessage::createMethodCall(m_options.service, handle, kRequest, QStringLiteral("Close")));
            finishRequest(handle, kTimedOut, {});
            return;
        }
    });
    m_pending.insert(expected, {std::move(done), timer});
    timer->start(timeout);

    QDBusMessage call = QDBusMessage::createMethodCall(m_options.service, kObjectPath, interface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, static_cast<int>(m_options.callTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, expected, method](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *call;
                if (reply.isError()) {
                    XLog("ERROR! the desktop's %s failed: %s", qPrintable(method), qPrintable(reply.error().name()));
                    finishRequest(expected, kCallFailed, {});
                    return;
                }
                // Older portals choose their own handle.
                const QString handle = reply.value().path();
                if (handle != expected && m_pending.contains(expected)) {
                    m_bus.disconnect(m_options.service, expected, kRequest, QStringLiteral("Response"), this,
                                     SLOT(onResponse(QDBusMessage)));
                    m_pending.insert(handle, m_pending.take(expected));
                    m_bus.connect(m_options.service, handle, kRequest, QStringLiteral("Response"), this,
                                  SLOT(onResponse(QDBusMessage)));
                }
            });
}

void XPortalRemoteDesktop::finishRequest(const QString& handle, std::uint32_t code, const QVariantMap& results)
{
    if (!m_pending.contains(handle))
        return;
    Pending pending = m_pending.take(handle);
    pending.timer->deleteLater();
    m_bus.disconnect(m_options.service, handle, kRequest, QStringLiteral("Response"), this,
                     SLOT(onResponse(QDBusMessage)));
    pending.done(code, results);
}

void XPortalRemoteDesktop::onResponse(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    finishRequest(message.path(), arguments.at(0).toUInt(), mapOf(arguments.at(1)));
}

void XPortalRemoteDesktop::onSessionClosed(const QDBusMessage& message)
{
    if (message.path() != m_sessionHandle)
        return;
    XLog("the desktop closed the remote-control session");
    m_bus.disconnect(m_options.service, m_sessionHandle, kSession, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed(QDBusMessage)));
    m_sessionHandle.clear();
    {
        const std::lock_guard lock(m_mutex);
        // A session still being opened settles through its own requests.
        if (m_snapshot.state != State::Open)
            return;
        m_snapshot.state = State::Closed;
        m_snapshot.streams.clear();
        m_refusedPost = true;
    }
    m_changed.notify_all();
}

void XPortalRemoteDesktop::closeSession()
{
    if (m_sessionHandle.isEmpty())
        return;
    m_bus.disconnect(m_options.service, m_sessionHandle, kSession, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed(QDBusMessage)));
    m_bus.send(QDBusMessage::createMethodCall(m_options.service, m_sessionHandle, kSession, QStringLiteral("Close")));
    m_sessionHandle.clear();
}

void XPortalRemoteDesktop::pointerMotion(std::uint32_t node, QPointF point)
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_posted;
    }
    QMetaObject::invokeMethod(
        this,
        [this, node, point] {
            notify(QStringLiteral("NotifyPointerMotionAbsolute"), {QVariant::fromValue(node), point.x(), point.y()});
        },
        Qt::QueuedConnection);
}

void XPortalRemoteDesktop::pointerButton(int button, bool pressed)
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_posted;
    }
    QMetaObject::invokeMethod(
        this,
        [this, button, pressed] {
            notify(QStringLiteral("NotifyPointerButton"),
                   {button, QVariant::fromValue<std::uint32_t>(pressed ? 1 : 0)});
        },
        Qt::QueuedConnection);
}

void XPortalRemoteDesktop::notify(const QString& method, QVariantList arguments)
{
    const auto answered = [this](bool refused) {
        {
            const std::lock_guard lock(m_mutex);
            ++m_answered;
            m_refusedPost = m_refusedPost || refused;
        }
        m_changed.notify_all();
    };
    if (m_sessionHandle.isEmpty()) {
        answered(true);
        return;
    }
    // Every event names the session and takes no options.
    arguments.prepend(QVariantMap());
    arguments.prepend(QVariant::fromValue(QDBusObjectPath(m_sessionHandle)));
    QDBusMessage call = QDBusMessage::createMethodCall(m_options.service, kObjectPath, kRemoteDesktop, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, static_cast<int>(m_options.callTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [answered](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        answered(call->isError());
    });
}

XPortalRemoteDesktop::Acknowledged XPortalRemoteDesktop::waitAcknowledged(std::chrono::microseconds bound,
                                                                       std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, stop, bound, [this] { return m_refusedPost || m_answered >= m_posted; });
    if (m_refusedPost)
        return Acknowledged::Refused;
    return m_answered >= m_posted ? Acknowledged::All : Acknowledged::Late;
}
