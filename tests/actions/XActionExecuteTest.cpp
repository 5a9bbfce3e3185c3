#include "ActionPanelFixture.h"

#include "bets/XPlaybackQueue.h"

namespace {
struct Click
{
    XMouseEventType down;
    QPointF point;
    bool operator==(const Click&) const = default;
};

std::vector<Click> downs(const std::vector<XPostedAction>& actions)
{
    std::vector<Click> result;
    for (const XPostedAction& a : actions) {
        if (a.kind == XPostedAction::Event && (a.type == XLeftMouseDown || a.type == XRightMouseDown))
            result.push_back({a.type, a.point});
    }
    return result;
}

std::size_t count(const std::vector<XPostedAction>& actions, XMouseEventType type)
{
    return static_cast<std::size_t>(
        std::count_if(actions.begin(), actions.end(), [type](const XPostedAction& a) {
            return a.kind == XPostedAction::Event && a.type == type;
        }));
}
} // namespace

// Catches clicks out of order, at logical instead of device points, or for a record without clicks,
// an empty list queued, and a run that reads the table while it is edited.
TEST_F(ActionPanelFixture, ExecuteClicksEveryActionAtItsDevicePointInOrderFromItsOwnCopy)
{
    view->executeListButton->click();
    EXPECT_EQ(controller->playbackQueue().pendingCount(), 0);
    EXPECT_TRUE(platform.postedActions().empty());

    // A second monitor at 1.5×, right of the primary one.
    platform.setScreens({{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 0, 1280, 720), 1.5}});
    add(QStringLiteral("100.5"), QStringLiteral("200"), 0, QStringLiteral("2"));
    add(QStringLiteral("2020"), QStringLiteral("100"), 1, QStringLiteral("1"));
    add(QStringLiteral("7"), QStringLiteral("8"), 0, QStringLiteral("1"));
    std::vector<XMouseData> list = controller->dataSource();
    list.insert(list.begin() + 2, action(50, 50, 1, 0, 9)); // no clicks: skipped
    controller->setDataSource(list);

    view->executeListButton->click();
    ASSERT_TRUE(controller->playbackQueue().waitUntilIdle(5000));
    const std::vector<XPostedAction> actions = platform.postedActions();
    const QPointF onSecond(1920 + 100 * 1.5, 150);
    EXPECT_EQ(downs(actions), (std::vector<Click>{{XLeftMouseDown, {100.5, 200}},
                                                  {XLeftMouseDown, {100.5, 200}},
                                                  {XRightMouseDown, onSecond},
                                                  {XLeftMouseDown, {7, 8}}}));
    EXPECT_EQ(count(actions, XLeftMouseUp), 3u);
    EXPECT_EQ(count(actions, XRightMouseUp), 1u);
    // With the small drag, and 1 ms after every click.
    EXPECT_EQ(count(actions, XLeftMouseDragged) + count(actions, XRightMouseDragged), 4u);
    EXPECT_EQ(
        std::count_if(actions.begin(), actions.end(), [](const XPostedAction& a) { return a.isSleep(1000); }),
        4);
    ASSERT_FALSE(actions.empty());
    EXPECT_TRUE(actions.front().isActivation({100.5, 200}));

    // The run clicks its own copy of the list.
    view->deleteAllButton->click();
    platform.clearPostedActions();
    platform.setSleepsForReal(true);
    add(QStringLiteral("1"), QStringLiteral("1"), 0, QStringLiteral("3"));
    view->executeListButton->click();
    view->deleteAllButton->click();
    ASSERT_TRUE(controller->playbackQueue().waitUntilIdle(5000));
    EXPECT_EQ(downs(platform.postedActions()).size(), 3u);
}
