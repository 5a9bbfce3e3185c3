#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QHash>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <vector>

class QThread;
class QTimer;

// One monitor the desktop shares with a remote-control session: absolute pointer motion
// is given in its own coordinates, (0, 0) at its top-left.
struct XPortalStream
{
    std::uint32_t node = 0;
    QRectF area; // in the compositor's logical coordinates
};

// The xdg-desktop-portal's RemoteDesktop session, through which clicks reach native
// Wayland windows. Opened on demand and kept; opened again after the desktop closes it.
// Every D-Bus exchange happens on a thread of its own, so that neither a busy main thread
// nor the playback worker (which has no event loop) stands between a click and the bus;
// the public functions may be called from any other thread.
class XPortalRemoteDesktop : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Closed,      // not opened yet, or the desktop closed it
        Opening,     // asking the desktop (and the user)
        Open,
        Refused,     // the user or the desktop said no
        Unanswered,  // the question was not answered in time
        Unavailable, // no portal, or one without remote control
        Failed,      // the portal answered with an error
    };
    struct Options
    {
        QString service = QStringLiteral("org.freedesktop.portal.Desktop");
        // The user reads the dialog and decides; a dialog left alone ends the wait.
        std::chrono::milliseconds consentTimeout{std::chrono::minutes(2)};
        // For every step that asks no one.
        std::chrono::milliseconds callTimeout{std::chrono::seconds(10)};
    };
    struct Snapshot
    {
        State state = State::Closed;
        std::vector<XPortalStream> streams;
        // Counts the sessions opened: a click that began in one must not end in the next.
        std::uint64_t generation = 0;
    };

    // `bus` is the session bus, or a private one in tests. Owns and starts its thread.
    explicit XPortalRemoteDesktop(QDBusConnection bus, Options options);
    XPortalRemoteDesktop(QDBusConnection bus) : XPortalRemoteDesktop(std::move(bus), Options{}) {}
    ~XPortalRemoteDesktop() override;

    // Opens the session unless it is open, and waits until it is, or it cannot be, or
    // `stop` is requested (then it answers Opening). A refused or unanswered session is
    // asked anew on the next call; a bus without the portal (Unavailable) is not.
    // `asking` is called (on the session's thread) as the desktop is asked to start, the
    // moment its dialog may show.
    Snapshot open(std::stop_token stop, std::function<void()> asking = {});
    Snapshot snapshot() const;

    // Posted in order; none waits for the portal's answer.
    void pointerMotion(std::uint32_t node, QPointF point);
    // BTN_LEFT / BTN_RIGHT of the Linux input codes.
    static constexpr int kLeftButton = 0x110;
    static constexpr int kRightButton = 0x111;
    void pointerButton(int button, bool pressed);
    enum class Acknowledged
    {
        All,     // the portal took everything posted so far
        Refused, // it refused something: the session is gone
        Late,    // not every answer came within the bound
    };
    // Waits up to `bound`, or until `stop` is requested (then it answers Late).
    Acknowledged waitAcknowledged(std::chrono::microseconds bound, std::stop_token stop = {});

    // True the first time only: what the user is told about this session is told once.
    bool firstTime(int what) { return !(m_told.fetch_or(1u << what) & (1u << what)); }

private Q_SLOTS:
    void onResponse(const QDBusMessage& message);
    void onSessionClosed(const QDBusMessage& message);

private:
    struct Pending
    {
        std::function<void(std::uint32_t code, const QVariantMap& results)> done;
        QTimer* timer = nullptr;
    };

    // On the session's thread.
    void startOpening();
    void createSession();
    void selectDevices();
    void selectSources();
    void start();
    // A step's answer: on success the next step, else the session closed and failed.
    std::function<void(std::uint32_t, const QVariantMap&)> thenOrFail(void (XPortalRemoteDesktop::*next)());
    void request(const QString& interface, const QString& method, QVariantList arguments,
                 std::chrono::milliseconds timeout, std::function<void(std::uint32_t, const QVariantMap&)> done);
    void finishRequest(const QString& handle, std::uint32_t code, const QVariantMap& results);
    void settle(State state, std::vector<XPortalStream> streams = {});
    void closeSession();
    // A pointer event of the session: `arguments` after the session and the options.
    void notify(const QString& method, QVariantList arguments);
    QString nextToken();

    QDBusConnection m_bus;
    Options m_options;
    QThread* m_thread = nullptr;
    // Session thread only.
    QHash<QString, Pending> m_pending;
    QString m_sessionHandle;
    int m_tokens = 0;

    mutable std::mutex m_mutex;
    std::condition_variable_any m_changed;
    // Under m_mutex.
    Snapshot m_snapshot;
    std::uint64_t m_posted = 0;
    std::uint64_t m_answered = 0;
    bool m_refusedPost = false;
    std::function<void()> m_asking;
    std::atomic<unsigned> m_told{0};
};
