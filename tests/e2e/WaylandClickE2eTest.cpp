// Clicks into a native Wayland window under a headless mutter. The desktop's portal asks
// the user before it lets a program click, so the test stands a portal of its own on its
// private bus (it allows at once) and passes every pointer event to mutter's own remote
// desktop, which asks no one. Everything else is Tableclick's: the session's requests and
// responses, the stream mapping, the click sequence and the pauses.
#include "ClickLog.h"
#include "FakePortal.h"
#include "bets/XEvent.h"
#include "platform/XPortalMousePoster.h"
#include "platform/XPortalRemoteDesktop.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <future>

#include <cerrno>
#include <csignal>

#ifndef CLICK_TARGET_BINARY
#error CLICK_TARGET_BINARY must name the click target
#endif

namespace {
using namespace std::chrono_literals;

const QString kMonitor = QStringLiteral("Meta-0");

bool waitFor(const std::function<bool()>& condition, int millis)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > millis)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Receives the stream's node once mutter has it flowing.
class NodeCatcher : public QObject
{
    Q_OBJECT
public:
    std::uint32_t node = 0;
public Q_SLOTS:
    void added(uint id) { node = id; }
};

class WaylandClicks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* program : {"mutter", "pipewire", "dbus-daemon"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
                GTEST_SKIP() << program << " is not installed (scripts/install-deps --test installs it)";
        }
        ASSERT_TRUE(bus.isUp());
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Never the user's display or bus: a name and a bus of this test's own.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"),
                           QStringLiteral("tableclick-e2e-%1").arg(QCoreApplication::applicationPid()));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        environment.remove(QStringLiteral("DISPLAY"));

        start(pipewire, QStringLiteral("pipewire"), {});
        QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--wayland"),
                              QStringLiteral("--wayland-display=") + environment.value(QStringLiteral("WAYLAND_DISPLAY")),
                              QStringLiteral("--virtual-monitor"), QStringLiteral("1920x1080")};
        if (!xwayland)
            arguments << QStringLiteral("--no-x11");
        start(mutter, QStringLiteral("mutter"), arguments);
        QByteArray said;
        ASSERT_TRUE(waitFor([&] {
            said += mutter.readAllStandardError();
            return control.interface()->isServiceRegistered(QStringLiteral("org.gnome.Mutter.RemoteDesktop")).value();
        }, 20000)) << "mutter did not come up: " << said.toStdString();

        QProcessEnvironment targetEnvironment = environment;
        if (xwayland) {
            // mutter takes the first free X display and says which.
            static const QRegularExpression display(
                QStringLiteral("public X11 display (:[0-9]+), \\(using (:[0-9]+) for managed"));
            QRegularExpressionMatch match;
            ASSERT_TRUE(waitFor([&] {
                said += mutter.readAllStandardError();
                match = display.match(QString::fromUtf8(said));
                return match.hasMatch();
            }, 10000)) << said.toStdString();
            targetEnvironment.insert(QStringLiteral("DISPLAY"), match.captured(1));
            xDisplays = {match.captured(1).mid(1), match.captured(2).mid(1)};
            // Its X server lets in who holds the cookie it wrote in the runtime folder.
            const QStringList cookies = QDir(runtime.path()).entryList({QStringLiteral(".mutter-Xwaylandauth.*")},
                                                                       QDir::Files | QDir::Hidden);
            ASSERT_FALSE(cookies.isEmpty()) << "mutter wrote no X authority file";
            targetEnvironment.insert(QStringLiteral("XAUTHORITY"), runtime.filePath(cookies.first()));
            targetEnvironment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            targetEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        } else {
            targetEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        }
        target.setProcessEnvironment(targetEnvironment);
        target.start(QStringLiteral(CLICK_TARGET_BINARY),
                     {QStringLiteral("--fullscreen"), QStringLiteral("--log"), logPath()});
        ASSERT_TRUE(waitFor([this] { return ClickLog::read(logPath()).table.has_value(); }, 20000))
            << "the click target did not show: " << target.readAllStandardError().toStdString();

        openMutterSession();
    }

    void TearDown() override
    {
        for (QProcess* p : {&target, &mutter, &pipewire}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(5000))
                p->kill();
            p->waitForFinished(5000);
        }
        // mutter leaves its X displays' locks and sockets behind; taken by nobody now.
        for (const QString& number : std::as_const(xDisplays)) {
            const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
            QFile file(lock);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const pid_t owner = file.readAll().trimmed().toInt();
            file.close();
            if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH) {
                QFile::remove(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
                QFile::remove(lock);
            }
        }
        // The portals the bus started leave with it; the document portal's mount in the
        // runtime folder goes with its process, a moment later.
        bus.stop();
        const QString doc = runtime.filePath(QStringLiteral("doc"));
        waitFor([&] { return !QFileInfo::exists(doc) || QDir().rmdir(doc); }, 5000);
    }

    void start(QProcess& process, const QString& program, const QStringList& arguments)
    {
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted(5000)) << program.toStdString();
    }

    QString logPath() const { return runtime.filePath(QStringLiteral("clicks.log")); }
    void everyClickLandsAtItsPixel();

    // The click target on XWayland instead of on Wayland itself.
    bool xwayland = false;
    QStringList xDisplays;

    // mutter's own remote desktop with a stream of the monitor.
    void openMutterSession()
    {
        QDBusInterface remote(QStringLiteral("org.gnome.Mutter.RemoteDesktop"), QStringLiteral("/org/gnome/Mutter/RemoteDesktop"),
                              QStringLiteral("org.gnome.Mutter.RemoteDesktop"), control);
        const QDBusReply<QDBusObjectPath> session = remote.call(QStringLiteral("CreateSession"));
        ASSERT_TRUE(session.isValid()) << session.error().message().toStdString();
        mutterSession = session.value().path();
        QDBusInterface rdSession(QStringLiteral("org.gnome.Mutter.RemoteDesktop"), mutterSession,
                                 QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), control);
        const QString id = rdSession.property("SessionId").toString();
        ASSERT_FALSE(id.isEmpty());
        QDBusInterface cast(QStringLiteral("org.gnome.Mutter.ScreenCast"), QStringLiteral("/org/gnome/Mutter/ScreenCast"),
                            QStringLiteral("org.gnome.Mutter.ScreenCast"), control);
        const QDBusReply<QDBusObjectPath> castSession =
            cast.call(QStringLiteral("CreateSession"), QVariantMap{{QStringLiteral("remote-desktop-session-id"), id}});
        ASSERT_TRUE(castSession.isValid()) << castSession.error().message().toStdString();
        QDBusInterface castSessionObject(QStringLiteral("org.gnome.Mutter.ScreenCast"), castSession.value().path(),
                                         QStringLiteral("org.gnome.Mutter.ScreenCast.Session"), control);
        const QDBusReply<QDBusObjectPath> stream =
            castSessionObject.call(QStringLiteral("RecordMonitor"), kMonitor, QVariantMap());
        ASSERT_TRUE(stream.isValid()) << stream.error().message().toStdString();
        mutterStream = stream.value().path();
        control.connect(QStringLiteral("org.gnome.Mutter.ScreenCast"), mutterStream,
                        QStringLiteral("org.gnome.Mutter.ScreenCast.Stream"), QStringLiteral("PipeWireStreamAdded"),
                        &catcher, SLOT(added(uint)));
        const QDBusMessage started = rdSession.call(QStringLiteral("Start"));
        ASSERT_NE(started.type(), QDBusMessage::ErrorMessage) << started.errorMessage().toStdString();
        ASSERT_TRUE(waitFor([this] { return catcher.node != 0; }, 10000)) << "mutter's stream never started";
    }

    // The test's portal passes the session's pointer events on to mutter's.
    void bridge(FakePortal& portal)
    {
        portal.streams = {{catcher.node, QRect(0, 0, 1920, 1080)}};
        portal.onNotify = [this](const QString& member, const QVariantList& a) {
            QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.RemoteDesktop"), mutterSession,
                                                               QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), member);
            if (member == QLatin1String("NotifyPointerMotionAbsolute"))
                call << mutterStream << a.value(3).toDouble() << a.value(4).toDouble();
            else
                call << a.value(2).toInt() << (a.value(3).toUInt() != 0);
            const QDBusMessage answer = control.call(call);
            if (answer.type() == QDBusMessage::ErrorMessage)
                ADD_FAILURE() << "mutter refused " << member.toStdString() << ": " << answer.errorMessage().toStdString();
        };
    }

    PrivateBus bus;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess pipewire, mutter, target;
    QDBusConnection control = bus.connect(QStringLiteral("control"));
    NodeCatcher catcher;
    QString mutterSession, mutterStream;
};
} // namespace

void WaylandClicks::everyClickLandsAtItsPixel()
{
    FakePortal portal(bus.connect(QStringLiteral("portal")));
    bridge(portal);
    XPortalRemoteDesktop desktop(bus.connect(QStringLiteral("tableclick")));
    const std::vector<QPointF> points{{200, 150}, {960, 540}, {1700, 900}, {35, 1040}, {1234, 77},
                                      {640, 480}, {1900, 20}, {500, 1000}, {1000, 333}};
    std::vector<long long> began;
    auto played = std::async(std::launch::async, [&] {
        XPortalMousePoster poster(desktop, [] { return std::vector<XScreenInfo>{{QRectF(0, 0, 1920, 1080), 1.0}}; }, {});
        if (const XClickVerdict ready = poster.prepare({}); ready != XClickVerdict::Go)
            return ready;
        for (const QPointF& p : points) {
            began.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count());
            if (const XClickVerdict v = poster.beginClick(p, {}); v != XClickVerdict::Go)
                return v;
            XEvent::postMouseDownUpEventWithCursorPosition(poster, p, false, {}, XMouseButton::Left);
            poster.endClick();
            if (const XClickVerdict v = poster.pauseWatching(30'000, {}); v != XClickVerdict::Go)
                return v;
        }
        return poster.finish();
    });
    ASSERT_TRUE(waitFor([&] { return played.wait_for(0ms) == std::future_status::ready; }, 30000));
    ASSERT_EQ(played.get(), XClickVerdict::Go);
    ASSERT_TRUE(waitFor([&] { return ClickLog::read(logPath()).ofKind(QStringLiteral("release")).size() >= points.size(); }, 5000))
        << [&] {
               QFile file(logPath());
               file.open(QIODevice::ReadOnly);
               return file.readAll().toStdString() + target.readAllStandardError().toStdString();
           }();
    const ClickLog log = ClickLog::read(logPath());
    const auto presses = log.ofKind(QStringLiteral("press"));
    const auto releases = log.ofKind(QStringLiteral("release"));
    ASSERT_EQ(presses.size(), points.size());
    ASSERT_EQ(releases.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(presses[i]->point, points[i]) << "click " << i;
        EXPECT_EQ(releases[i]->point, points[i]) << "click " << i;
        EXPECT_EQ(presses[i]->button, 1);
    }
    // For the record, never checked: from the start of a click to its release in the window.
    std::vector<long long> took;
    for (std::size_t i = 0; i < points.size(); ++i)
        took.push_back(releases[i]->micros - began[i]);
    std::sort(took.begin(), took.end());
    RecordProperty("median_click_to_release_us", std::to_string(took[took.size() / 2]));
    std::printf("click to release: first %lld us, median %lld us\n", releases[0]->micros - began[0],
                took[took.size() / 2]);
}

TEST_F(WaylandClicks, EveryClickLandsAtItsPixelInANativeWaylandWindow)
{
    everyClickLandsAtItsPixel();
}

// The portal's events reach XWayland windows too, which XTest into XWayland does not
// share with native ones; there a press at the instant of its motion was lost.
class XWaylandClicks : public WaylandClicks
{
protected:
    void SetUp() override
    {
        xwayland = true;
        WaylandClicks::SetUp();
    }
};

TEST_F(XWaylandClicks, EveryClickLandsAtItsPixelInAnXWaylandWindow)
{
    everyClickLandsAtItsPixel();
}

// The desktop's own portal (xdg-desktop-portal with GNOME's backend) takes the session's
// requests as far as its question to the user, and a question nobody answers ends the wait.
TEST_F(WaylandClicks, TheDesktopsPortalAsksTheUserAndAnUnansweredQuestionEndsTheWait)
{
    for (const char* program : {"/usr/libexec/xdg-desktop-portal", "/usr/libexec/xdg-desktop-portal-gnome"}) {
        if (!QFile::exists(QString::fromLatin1(program)))
            GTEST_SKIP() << program << " is not installed";
    }
    // What the portals started by the bus need to find this desktop.
    QDBusMessage update = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                         QStringLiteral("org.freedesktop.DBus"),
                                                         QStringLiteral("UpdateActivationEnvironment"));
    QMap<QString, QString> variables{{QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()},
                                     {QStringLiteral("WAYLAND_DISPLAY"), environment.value(QStringLiteral("WAYLAND_DISPLAY"))},
                                     {QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME")},
                                     {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
                                     {QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland")}};
    qDBusRegisterMetaType<QMap<QString, QString>>();
    update << QVariant::fromValue(variables);
    ASSERT_NE(control.call(update).type(), QDBusMessage::ErrorMessage);

    XPortalRemoteDesktop::Options options;
    options.consentTimeout = 8s;
    XPortalRemoteDesktop desktop(bus.connect(QStringLiteral("tableclick")), options);
    std::atomic<bool> asked{false};
    auto opened = std::async(std::launch::async, [&] { return desktop.open({}, [&] { asked = true; }); });
    ASSERT_TRUE(waitFor([&] { return opened.wait_for(0ms) == std::future_status::ready; }, 30000));
    EXPECT_TRUE(asked) << "the portal took every request up to the question";
    EXPECT_EQ(opened.get().state, XPortalRemoteDesktop::State::Unanswered);
}

#include "WaylandClickE2eTest.moc"
