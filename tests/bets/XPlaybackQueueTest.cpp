#include "bets/XPlaybackQueue.h"
#include "platform/XFakeHotKeyService.h"
#include "platform/XFakePlatform.h"

#include "WaitFor.h"

#include <limits>

#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t kEscape = 53;

struct QueueFixture : testing::Test
{
    XFakePlatform platform;
    std::shared_ptr<XPlaybackControls> controls = std::make_shared<XPlaybackControls>();
    XPlaybackQueue queue{platform};
    std::vector<std::tuple<XRunEnd, int, int>> ends;
    std::vector<QString> endPlaces;

    QueueFixture()
    {
        controls->setDelayText(QStringLiteral("0"));
        QObject::connect(&queue, &XPlaybackQueue::runEnded, &queue,
                         [this](XRunEnd end, int clicked, int total, const QString& where) {
                             ends.emplace_back(end, clicked, total);
                             endPlaces.push_back(where);
                         });
    }

    // A run clicking points (x, 500), x = 10 · index, with each record's click count.
    XPlaybackRun run(std::initializer_list<std::pair<std::uint64_t, std::uint64_t>> cells,
                     std::uint32_t eventType = 0)
    {
        std::vector<XMouseData> list;
        for (auto [index, count] : cells) {
            XMouseData record = XMouseData::mouseDataWithIndex(index, count);
            record.setEventType(eventType);
            list.push_back(record);
        }
        return {std::move(list),
                [](const XMouseData& r) { return QPointF(10.0 * static_cast<double>(r.index()), 500); },
                controls};
    }

    // Waits for the worker, then lets the queued signals arrive.
    void settle()
    {
        ASSERT_TRUE(queue.waitUntilIdle(5000));
        waitFor([] { return false; }, 50);
    }

    std::vector<XPostedAction> events() const
    {
        std::vector<XPostedAction> result;
        for (const XPostedAction& a : platform.postedActions())
            if (a.kind == XPostedAction::Event)
                result.push_back(a);
        return result;
    }

    std::vector<int> pressedIndexes() const
    {
        std::vector<int> result;
        for (const XPostedAction& a : events())
            if (a.type == XLeftMouseDown)
                result.push_back(static_cast<int>(a.point.x() / 10));
        return result;
    }

    // Calls `act` (on the worker) right after the n-th release.
    void afterRelease(int n, std::function<void()> act)
    {
        auto releases = std::make_shared<std::atomic<int>>(0);
        platform.setPostObserver([=](const XPostedAction& a) {
            if (a.kind == XPostedAction::Event && (a.type == XLeftMouseUp || a.type == XRightMouseUp) &&
                ++*releases == n)
                act();
        });
    }
};
} // namespace

// Catches runs clicking side by side, overlapping presses, and waiting runs holding a display.
TEST_F(QueueFixture, RunsStartedTogetherPlayOneAfterTheOtherInFull)
{
    platform.setSleepsForReal(true);
    controls->setDelayText(QStringLiteral("1"));
    queue.enqueue(run({{1, 2}, {2, 1}}));
    queue.enqueue(run({{7, 1}, {8, 1}}));
    queue.enqueue(run({{20, 3}}));
    EXPECT_GE(queue.pendingCount(), 2);
    settle();

    EXPECT_EQ(pressedIndexes(), (std::vector<int>{1, 1, 2, 7, 8, 20, 20, 20}));
    // Never a press while another is held: each down is followed by its own up.
    const auto e = events();
    for (std::size_t i = 0; i + 1 < e.size(); i += 2) {
        EXPECT_EQ(e[i].type, XLeftMouseDown);
        EXPECT_EQ(e[i + 1].type, XLeftMouseUp);
        EXPECT_EQ(e[i].point, e[i + 1].point);
    }
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[2], std::make_tuple(XRunEnd::Finished, 3, 3));
    // Runs waiting their turn hold no connection to the display.
    EXPECT_EQ(platform.mostOpenPosters(), 1);
}

// Catches a run stopped by a nudge within the tolerance (its own drag counted too), and small
// moves that never add up, within a run or across queued runs.
TEST_F(QueueFixture, ANudgeDoesNotStopARunButSmallMovesAddUpAcrossQueuedRuns)
{
    controls->setNeedMouseDrag(true);
    afterRelease(1, [this] { platform.moveUserPointer(QPointF(10 + 2 + 3, 500)); });
    queue.enqueue(run({{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    settle();
    EXPECT_EQ(pressedIndexes(), (std::vector<int>{1, 2, 3, 4}));

    controls->setNeedMouseDrag(false);
    platform.clearPostedActions();
    ends.clear();
    platform.setPostObserver([&](const XPostedAction& a) {
        if (a.kind == XPostedAction::Event && a.type == XLeftMouseUp)
            platform.moveUserPointer(a.point + QPointF(2, 0));
    });
    // Slow enough that the second run waits while the first clicks.
    platform.setSleepsForReal(true);
    controls->setDelayText(QStringLiteral("5"));
    queue.enqueue(run({{1, 1}, {2, 1}}));
    queue.enqueue(run({{3, 1}, {4, 1}, {5, 1}}));
    settle();
    // 2 px after each click: past 6 px in all after the fourth, before the fifth.
    EXPECT_EQ(pressedIndexes(), (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0], std::make_tuple(XRunEnd::Finished, 2, 2));
    EXPECT_EQ(ends[1], std::make_tuple(XRunEnd::PointerMoved, 2, 3));
}

// Catches Stop, a click, Escape, the user's mouse or a hung table not ending the run before its
// next click, the waiting runs kept, and a queue dead after a stop.
TEST_F(QueueFixture, WhatTheUserDoesAndWhatTheTableDoesNotTakeEndTheRun)
{
    const struct
    {
        const char* name;
        std::function<void()> afterSecondRelease;
        XRunEnd end;
        const char* where;
    } cases[] = {
        {"Stop", [this] { queue.stopAll(XRunEnd::StopButton); }, XRunEnd::StopButton, ""},
        {"a click", [this] { platform.pressUserInput(XClickVerdict::UserClicked); }, XRunEnd::UserClicked,
         ""},
        {"Escape", [this] { platform.pressUserInput(XClickVerdict::EscapePressed); }, XRunEnd::EscapeKey, ""},
        {"a hung table", [this] { platform.setReleasesTaken(false); }, XRunEnd::ClickNotTaken, "click 2"},
        {"a moved mouse", [this] { platform.moveUserPointer(QPointF(900, 100)); }, XRunEnd::PointerMoved, ""},
    };
    // Slow enough that the second run waits while the first clicks.
    platform.setSleepsForReal(true);
    controls->setDelayText(QStringLiteral("5"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.clearPostedActions();
        platform.setReleasesTaken(true);
        ends.clear();
        endPlaces.clear();
        afterRelease(2, c.afterSecondRelease);
        queue.enqueue(run({{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
        queue.enqueue(run({{5, 1}}));
        settle();
        EXPECT_EQ(pressedIndexes(), (std::vector<int>{1, 2}));
        ASSERT_EQ(ends.size(), 1u) << "the waiting run was not dropped";
        EXPECT_EQ(ends[0], std::make_tuple(c.end, 2, 4));
        EXPECT_EQ(endPlaces[0], QString::fromLatin1(c.where));
    }
}

// Catches an off-screen, damaged or own-window point clicked, or half a bet clicked.
TEST_F(QueueFixture, PointsOffTheScreensOrOnOwnWindowsAreNotClicked)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto actions = [this](std::vector<QPointF> points) {
        std::vector<XMouseData> list;
        for (const QPointF& p : points) {
            XMouseData record = XMouseData::mouseDataWithIndex(0, 1);
            record.setMousePoint(p);
            list.push_back(record);
        }
        return XPlaybackRun{std::move(list), [](const XMouseData& r) { return r.mousePoint(); }, controls};
    };
    platform.setScreens({{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 1.5}});
    queue.enqueue(actions({{100, 100}, {nan, 100}}));
    settle();
    // The second monitor is 1920 device pixels wide: 3839 is on it, 3840 is not.
    queue.enqueue(actions({{3839, 1079}, {3840, 100}}));
    settle();
    platform.setOwnWindows({{7, QRectF(500, 500, 200, 100), true}, {8, QRectF(0, 0, 1920, 1080), false}});
    queue.enqueue(actions({{100, 100}, {550, 550}}));
    settle();
    queue.enqueue(run({{4, 1}}));
    settle();

    std::vector<QPointF> pressed;
    for (const XPostedAction& a : events())
        if (a.type == XLeftMouseDown)
            pressed.push_back(a.point);
    EXPECT_EQ(pressed, (std::vector<QPointF>{{100, 100}, {40, 500}}));
    ASSERT_EQ(ends.size(), 4u);
    EXPECT_EQ(ends[0], std::make_tuple(XRunEnd::PointRefused, 0, 2));
    EXPECT_EQ(endPlaces[0], QStringLiteral("action 2"));
    EXPECT_EQ(std::get<0>(ends[1]), XRunEnd::PointRefused);
    EXPECT_EQ(ends[2], std::make_tuple(XRunEnd::OwnWindow, 1, 2));
    EXPECT_EQ(endPlaces[2], QStringLiteral("action 2"));
    EXPECT_EQ(std::get<0>(ends[3]), XRunEnd::Finished) << "a window that lets clicks through is no obstacle";
}

// Catches Escape grabbed after the first click or kept after the last run, and runs refused when
// another program holds it, or the user told more than once.
TEST_F(QueueFixture, EscapeIsGrabbedOnlyWhileRunsClickAndARefusalIsToldOnce)
{
    XFakeHotKeyService& keys = platform.fakeHotKeys();
    platform.setSleepsForReal(true);
    controls->setDelayText(QStringLiteral("20"));
    queue.enqueue(run({{1, 1}, {2, 1}}));
    ASSERT_TRUE(keys.registration(kEscape, 0)) << "Escape was not grabbed before the first click";
    settle();
    EXPECT_FALSE(keys.registration(kEscape, 0)) << "Escape stays grabbed after the last run";

    // Another program holding Escape: the runs still play, and the user is told once.
    keys.refuse(kEscape, 0);
    int told = 0;
    QObject::connect(&queue, &XPlaybackQueue::escapeUnavailable, &queue, [&] { ++told; });
    platform.clearPostedActions();
    queue.enqueue(run({{1, 1}}));
    settle();
    queue.enqueue(run({{2, 1}}));
    settle();
    EXPECT_EQ(pressedIndexes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(told, 1);
}

// Catches the desktop asked ahead clicking something, dropping the bet queued behind it, a
// desktop without remote control reported as allowing clicks into Wayland windows, clicks posted
// although the desktop refused them, the user not told why, and no clicks once it allows them.
TEST_F(QueueFixture, AskingTheDesktopAheadClicksNothingAndTheBetBehindPlays)
{
    platform.setClicksThroughPortal(true);
    std::vector<XClickNote> notes;
    QObject::connect(&queue, &XPlaybackQueue::clickNote, &queue, [&](XClickNote n) { notes.push_back(n); });
    const struct
    {
        XClickVerdict verdict;
        std::optional<XClickNote> note;
        XRunEnd end;
        std::vector<int> pressed;
    } cases[] = {
        {XClickVerdict::RemoteRefused, XClickNote::ConsentOncePerSession, XRunEnd::RemoteRefused, {}},
        {XClickVerdict::Go, std::nullopt, XRunEnd::RemoteAllowed, {3}},
        {XClickVerdict::Go, XClickNote::WaylandWindowsUnreachable, XRunEnd::RemoteUnavailable, {3}},
    };
    for (const auto& c : cases) {
        ends.clear();
        notes.clear();
        platform.clearPostedActions();
        platform.setPrepared(c.verdict, c.note);
        queue.openTheWay();
        queue.enqueue(run({{3, 1}}));
        settle();
        ASSERT_FALSE(ends.empty());
        EXPECT_EQ(ends[0], std::make_tuple(c.end, 0, 0));
        EXPECT_EQ(pressedIndexes(), c.pressed) << static_cast<int>(c.end);
        if (c.note)
            EXPECT_NE(std::find(notes.begin(), notes.end(), *c.note), notes.end()) << "the user reads why";
    }
}
