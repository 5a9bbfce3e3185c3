#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QRect>
#include <QString>

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

// A D-Bus session bus of the test's own (dbus-daemon), never the user's.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    // Ends the bus, and with it every service it started.
    void stop();
    bool isUp() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // A new connection of its own, named for the caller.
    QDBusConnection connect(const QString& name) const;

private:
    QProcess m_daemon;
    QString m_address;
};

// The desktop portal's RemoteDesktop and ScreenCast as far as a client sees them: it
// answers requests through Request objects' Response signals (each sent before the call's
// own reply, as a fast portal may), and records every call it gets.
class FakePortal : public QDBusVirtualObject
{
public:
    struct Stream
    {
        std::uint32_t node;
        QRect area;
    };
    struct Call
    {
        QString path;
        QString member;
        QVariantList arguments;
    };

    explicit FakePortal(QDBusConnection bus);
    ~FakePortal() override;

    // What Start answers: 0 allowed, 1 refused; nothing: the user never answers.
    std::optional<std::uint32_t> startAnswer = 0;
    std::vector<Stream> streams{{44, QRect(0, 0, 1920, 1080)}, {45, QRect(1920, 0, 1280, 1024)}};
    // Told every pointer event of the session, before it is answered: to pass it on.
    std::function<void(const QString& member, const QVariantList& arguments)> onNotify;
    // As the desktop's portal does: each event is answered a while after it came, and the
    // next ones are taken meanwhile.
    std::chrono::milliseconds answerLater{0};
    // For each button event, how many events before it were not answered yet when it came.
    std::vector<int> unansweredAtButtons() const
    {
        const std::lock_guard lock(m_mutex);
        return m_unansweredAtButtons;
    }

    std::vector<Call> calls(const QString& member) const;
    // The session the client made last.
    QString lastSession() const
    {
        const std::lock_guard lock(m_mutex);
        return m_lastSession;
    }
    // As when the user ends sharing in the desktop's menu.
    void closeSession(const QString& session);

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void respond(const QString& requestPath, std::uint32_t code, const QVariantMap& results);

    QDBusConnection m_bus;
    // Qt may hand the calls over on its D-Bus thread.
    mutable std::mutex m_mutex;
    std::vector<Call> m_calls;
    QString m_lastSession;
    int m_unanswered = 0;
    std::vector<int> m_unansweredAtButtons;
};
