#include "platform/XPortalRemoteDesktop.h"
#include "FakePortal.h"
#include "platform/XPortalMousePoster.h"

#include <QCoreApplication>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {
using namespace std::chrono_literals;
using State = XPortalRemoteDesktop::State;

// Runs `f` on a thread of its own (as the playback worker calls the session) while this
// thread's event loop serves the fake portal.
template <typename F> auto offThread(F f)
{
    auto done = std::async(std::launch::async, std::move(f));
    (void)QTest::qWaitFor([&] { return done.wait_for(0ms) == std::future_status::ready; }, 10000);
    return done.get();
}

class PortalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!bus.isUp())
            GTEST_SKIP() << "dbus-daemon could not start a private bus";
    }

    std::unique_ptr<XPortalRemoteDesktop> session(std::chrono::milliseconds consent = 5s)
    {
        XPortalRemoteDesktop::Options options;
        options.consentTimeout = consent;
        options.callTimeout = 3s;
        return std::make_unique<XPortalRemoteDesktop>(bus.connect(QStringLiteral("client")), options);
    }

    static std::vector<XScreenInfo> oneMonitor() { return {{QRectF(0, 0, 1920, 1080), 1.0}}; }

    PrivateBus bus;
    FakePortal portal{bus.connect(QStringLiteral("portal"))};
};
} // namespace

// Catches a session the desktop closed kept as open, its events taken as delivered, or never opened
// again (opening and posting in order are checked against mutter by WaylandClickE2eTest).
TEST_F(PortalTest, ASessionTheDesktopClosedRefusesEventsAndIsOpenedAgain)
{
    auto desktop = session();
    const auto opened = offThread([&] { return desktop->open({}); });
    ASSERT_EQ(opened.state, State::Open);
    portal.closeSession(portal.lastSession());
    (void)QTest::qWaitFor([&] { return desktop->snapshot().state == State::Closed; });
    ASSERT_EQ(desktop->snapshot().state, State::Closed);
    // An event posted now reaches no session: the run learns that it ended.
    EXPECT_EQ(offThread([&] {
                  desktop->pointerButton(XPortalRemoteDesktop::kLeftButton, false);
                  return desktop->waitAcknowledged(2s);
              }),
              XPortalRemoteDesktop::Acknowledged::Refused);
    const auto second = offThread([&] { return desktop->open({}); });
    EXPECT_EQ(second.state, State::Open);
    EXPECT_GT(second.generation, opened.generation);
    EXPECT_EQ(portal.calls(QStringLiteral("CreateSession")).size(), 2u);
}

// Catches a refusal not told or its session left open, an unanswered question waited on for ever,
// a Stop that does not end the wait, and a next run that does not ask again.
TEST_F(PortalTest, ARefusalNoAnswerOrAStopEndsTheWaitAndTheNextRunAsksAgain)
{
    auto desktop = session(300ms);
    portal.startAnswer = 1;
    EXPECT_EQ(offThread([&] { return desktop->open({}); }).state, State::Refused);
    const QString refused = portal.lastSession();
    (void)QTest::qWaitFor([&] { return !portal.calls(QStringLiteral("Close")).empty(); });
    ASSERT_EQ(portal.calls(QStringLiteral("Close")).size(), 1u);
    EXPECT_EQ(portal.calls(QStringLiteral("Close"))[0].path, refused) << "the refused session is closed";

    portal.startAnswer.reset();
    EXPECT_EQ(offThread([&] { return desktop->open({}); }).state, State::Unanswered);

    auto patient = session(10s);
    std::stop_source stop;
    const auto opened = offThread([&] {
        std::thread([&] {
            std::this_thread::sleep_for(100ms);
            stop.request_stop();
        }).detach();
        return patient->open(stop.get_token());
    });
    EXPECT_EQ(opened.state, State::Opening);

    portal.startAnswer = 0;
    const std::size_t asked = portal.calls(QStringLiteral("CreateSession")).size();
    EXPECT_EQ(offThread([&] { return desktop->open({}); }).state, State::Open);
    EXPECT_EQ(portal.calls(QStringLiteral("CreateSession")).size(), asked + 1);
}

// Catches a run that waits for ever where no portal can answer, and a poster
// without a portal that does not fall back or says so more than once.
TEST_F(PortalTest, WithoutAPortalTheSessionIsUnavailableAndAPosterFallsBack)
{
    XPortalRemoteDesktop::Options options;
    options.service = QStringLiteral("org.example.NoPortalHere");
    XPortalRemoteDesktop desktop(bus.connect(QStringLiteral("client")), options);
    EXPECT_EQ(offThread([&] { return desktop.open({}); }).state, State::Unavailable);
    int fallbacks = 0;
    std::vector<XClickNote> notes;
    for (int run = 0; run < 2; ++run) {
        XPortalMousePoster poster(desktop, {}, [&]() -> std::unique_ptr<XMousePoster> {
            ++fallbacks;
            return nullptr;
        });
        poster.setNoteHandler([&](XClickNote n) { notes.push_back(n); });
        offThread([&] { return poster.prepare({}); });
    }
    EXPECT_EQ(fallbacks, 2);
    EXPECT_EQ(std::count(notes.begin(), notes.end(), XClickNote::WaylandWindowsUnreachable), 1);
}

// Catches a click at the logical point or on the wrong stream, a drag's release moved back, and a
// point on no shared monitor clicked.
TEST_F(PortalTest, APosterClicksAtTheMappedPointAndKeepsADragsReleaseWhereTheDragWent)
{
    auto desktop = session();
    const std::vector<XScreenInfo> screens{{QRectF(0, 0, 1920, 1080), 1.0},
                                           {QRectF(1920, 0, 1280, 1024), 1.0}};
    std::vector<XClickNote> notes;
    XPortalMousePoster poster(*desktop, [&] { return screens; }, {});
    poster.setNoteHandler([&](XClickNote n) { notes.push_back(n); });
    const auto verdict = offThread([&] {
        if (const XClickVerdict ready = poster.prepare({}); ready != XClickVerdict::Go)
            return ready;
        if (const XClickVerdict v = poster.beginClick({2000, 300}, {}); v != XClickVerdict::Go)
            return v;
        poster.postMouseEvent(XLeftMouseDown, {2000, 300});
        poster.postMouseEvent(XLeftMouseDragged, {2002, 300});
        poster.postMouseEvent(XLeftMouseUp, {2000, 300});
        poster.endClick();
        return poster.finish();
    });
    EXPECT_EQ(verdict, XClickVerdict::Go);
    EXPECT_EQ(notes, std::vector<XClickNote>{XClickNote::ConsentOncePerSession});
    const auto motions = portal.calls(QStringLiteral("NotifyPointerMotionAbsolute"));
    ASSERT_EQ(motions.size(), 2u) << "the press's motion and the drag; none before the release";
    EXPECT_EQ(motions[0].arguments.mid(2, 2), (QVariantList{45u, 80.0}));
    EXPECT_EQ(motions[1].arguments[3].toDouble(), 82.0);
    EXPECT_EQ(portal.calls(QStringLiteral("NotifyPointerButton")).size(), 2u);
    // A point on no shared monitor is refused before anything moves.
    EXPECT_EQ(offThread([&] { return poster.beginClick({-50, 10}, {}); }), XClickVerdict::MonitorNotShared);
}

// Catches a point aimed at through another monitor's stream, device pixels taken for stream units
// or the other way round, and a point on no shared monitor aimed at.
TEST(StreamPoint, TheMonitorHoldingThePointIsAimedAtThroughItsOwnStream)
{
    const std::vector<XPortalStream> streams{{44, QRectF(0, 0, 1920, 1080)},
                                             {45, QRectF(1920, 0, 1280, 720)}};
    const auto expectAt = [](QPointF point, const std::vector<XScreenInfo>& screens,
                             const std::vector<XPortalStream>& streams, std::uint32_t node, QPointF at) {
        const auto p = XStreamPointFor(point, screens, streams);
        ASSERT_TRUE(p) << point.x();
        EXPECT_EQ(p->node, node) << point.x();
        EXPECT_EQ(p->point, at) << point.x();
    };
    // XWayland: device pixels are the compositor's own.
    const std::vector<XScreenInfo> x11{{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 1.0}};
    expectAt({1919.5, 10}, x11, streams, 44, {1919.5, 10});
    expectAt({1920, 719}, x11, streams, 45, {0, 719});
    // Native Wayland at 2× on the right: twice as many device pixels as stream units.
    expectAt({1920 + 200, 100}, {{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 2.0}}, streams,
             45, {100, 50});

    // A monitor the user did not share, and a point off every monitor.
    EXPECT_FALSE(XStreamPointFor({2000, 10}, x11, {{44, QRectF(0, 0, 1920, 1080)}}));
    EXPECT_FALSE(XStreamPointFor({-1, 10}, x11, streams));
}

// Catches a run given up while the compositor holds the events (mutter held them up to
// 3.4 s as the keyboard moved to a native window), and a Stop that has to wait it out.
TEST_F(PortalTest, APosterWaitsOutASlowCompositorButNotAStop)
{
    auto desktop = session();
    std::atomic<int> holdMillis{1300};
    portal.onNotify = [&](const QString& member, const QVariantList&) {
        if (member == QLatin1String("NotifyPointerButton"))
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMillis.load()));
    };
    XPortalMousePoster poster(*desktop, oneMonitor, {});
    std::stop_source stop;
    EXPECT_EQ(offThread([&] {
                  if (const XClickVerdict ready = poster.prepare(stop.get_token());
                      ready != XClickVerdict::Go)
                      return ready;
                  poster.postMouseEvent(XLeftMouseDown, {100, 100});
                  return poster.beginClick({200, 100}, {});
              }),
              XClickVerdict::Go)
        << "a press the portal took after 1.3 s is late, not lost";

    // The fake portal answers on this thread, which the held event keeps busy: the wait is
    // timed where it happens.
    holdMillis = 5000;
    const qint64 waited = offThread([&] {
        poster.postMouseEvent(XLeftMouseDown, {200, 100});
        QElapsedTimer clock;
        clock.start();
        std::jthread stopper([&] {
            std::this_thread::sleep_for(200ms);
            stop.request_stop();
        });
        poster.beginClick({300, 100}, {});
        return clock.elapsed();
    });
    EXPECT_LT(waited, 2000) << "Stop ends the wait";
}

// Catches a button sent while the portal still passes on the events before it: the
// desktop's portal passes them on concurrently, and mutter saw a release before its press
// and dropped both.
TEST_F(PortalTest, APosterSendsEachButtonOnlyOnceThePortalTookEverythingBeforeIt)
{
    auto desktop = session();
    portal.answerLater = 30ms;
    XPortalMousePoster poster(*desktop, oneMonitor, {});
    const std::vector<QPointF> points{{100, 100}, {900, 500}, {1800, 1000}};
    EXPECT_EQ(offThread([&] {
                  if (const XClickVerdict ready = poster.prepare({}); ready != XClickVerdict::Go)
                      return ready;
                  for (const QPointF& p : points) {
                      if (const XClickVerdict v = poster.beginClick(p, {}); v != XClickVerdict::Go)
                          return v;
                      poster.postMouseEvent(XLeftMouseDown, p);
                      poster.postMouseEvent(XLeftMouseUp, p);
                      poster.endClick();
                  }
                  return poster.finish();
              }),
              XClickVerdict::Go);
    EXPECT_EQ(portal.unansweredAtButtons(), std::vector<int>(2 * points.size(), 0));
}
