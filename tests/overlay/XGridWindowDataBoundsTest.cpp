// Damaged layouts in the store: out-of-bounds geometry is skipped like a malformed record,
// the good records stay, and the grid that results clicks on the screen.
#include "bets/XArchiving.h"
#include "overlay/XGridWindowController.h"
#include "platform/XFakePlatform.h"
#include "platform/XPreferenceStore.h"

#include "SampleGridLayout.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <limits>

namespace {
const XStoredBounds kFullHd = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0}});

// A good layout's archive with one value replaced.
QByteArray damaged(const char* key, const QJsonValue& value)
{
    QJsonObject object = XEncodeGridWindowData(XSampleGridLayout(100));
    object.insert(QLatin1String(key), value);
    return XArchive(object);
}

QJsonArray corners(std::initializer_list<QPointF> points)
{
    QJsonArray array;
    for (QPointF p : points)
        array.append(QJsonArray{p.x(), p.y()});
    return array;
}

QJsonArray gapsWith(std::size_t count, std::size_t at, double value)
{
    QJsonArray array;
    for (std::size_t i = 0; i < count; ++i)
        array.append(i == at ? value : 0.0);
    return array;
}

const double kHuge = 9000012;

std::vector<std::pair<const char*, QByteArray>> outOfBoundsLayouts()
{
    return {
        {"frame 9 000 012 wide", damaged("kXGridWindowFrameKey", QJsonArray{0, 0, kHuge, 300})},
        {"frame 9.2e18 wide, as text",
         damaged("kXGridWindowFrameKey", QStringLiteral("{{0, 0}, {9.2e18, 300}}"))},
        {"frame of negative width", damaged("kXGridWindowFrameKey", QJsonArray{0, 0, -700, 300})},
        {"corner at y 2 800 012",
         damaged("kXGridWindowGraphicRectKey", corners({{20, 20}, {15, 2800012}, {700, 285}, {705, 25}}))},
        {"gap finite as double, infinite as float",
         damaged("kXGridWindowGraphicLeftGapsKey", gapsWith(4, 1, 3.5e38))},
        {"gap wider than the grid", damaged("kXGridWindowGraphicRightGapsKey", gapsWith(4, 2, -1000))},
        {"zero zone wider than the grid", damaged("kXGridWindowGraphicZeroZoneWidthKey", 1e9)},
    };
}
} // namespace

// Catches bounds taken from one monitor, a frame's far edge let past them, a float's largest refused.
TEST(XGridWindowDataBounds, TheBoundsFollowTheVirtualScreen)
{
    // A monitor right of two others stretches the virtual screen.
    const XStoredBounds wide = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0},
                                                          {QRectF(1920, 0, 1920, 1080), 1.0},
                                                          {QRectF(3840, -200, 2560, 1440), 1.5}});
    EXPECT_EQ(wide.limit(), 4 * 6400);
    EXPECT_TRUE(kFullHd.containsRect(QRectF(-7680, 7680, 7680, 0)));
    EXPECT_FALSE(kFullHd.containsRect(QRectF(0, 0, 7681, 10)));
    EXPECT_FALSE(kFullHd.containsPoint({std::numeric_limits<double>::quiet_NaN(), 0}));
    EXPECT_TRUE(XIsFiniteAsFloat(3.4e38));
}

// Catches a layout far off every screen, or with infinite values, restored.
TEST(XGridWindowDataBounds, OutOfBoundsLayoutsRestoreToNothing)
{
    ASSERT_TRUE(XUnarchiveGridWindowDataWithin(XArchiveGridWindowData(XSampleGridLayout(100)), kFullHd));
    for (const auto& [what, archive] : outOfBoundsLayouts())
        EXPECT_FALSE(XUnarchiveGridWindowDataWithin(archive, kFullHd)) << what;

    // In bounds, though off this screen: a layout saved with another monitor still loads.
    const auto elsewhere = XUnarchiveGridWindowDataWithin(
        damaged("kXGridWindowFrameKey", QJsonArray{5000, -3000, 2000, 1000}), kFullHd);
    ASSERT_TRUE(elsewhere);
    EXPECT_EQ(elsewhere->windowFrame, QRectF(5000, -3000, 2000, 1000));
    // Gaps as wide as the grid, and a gap array of another length, are the loader's to judge.
    EXPECT_TRUE(XUnarchiveGridWindowDataWithin(damaged("kXGridWindowGraphicTopGapsKey", gapsWith(14, 5, 690)),
                                               kFullHd));
    const auto longer = XUnarchiveGridWindowDataWithin(
        damaged("kXGridWindowGraphicTopGapsKey", gapsWith(200, 5, 1)), kFullHd);
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->topGaps.size(), 200u);
    // Without corners of its own, a record's gaps are measured against the bounds.
    QJsonObject cornerless = XEncodeGridWindowData(XSampleGridLayout(100));
    cornerless.remove(QStringLiteral("kXGridWindowGraphicRectKey"));
    cornerless.insert(QStringLiteral("kXGridWindowGraphicTopGapsKey"), gapsWith(14, 2, 5000));
    EXPECT_TRUE(XDecodeGridWindowData(cornerless, kFullHd));
    cornerless.insert(QStringLiteral("kXGridWindowGraphicTopGapsKey"), gapsWith(14, 2, 9000));
    EXPECT_FALSE(XDecodeGridWindowData(cornerless, kFullHd));
}

// Catches a damaged store that loses good layouts or clicks off the screen.
TEST(XGridWindowDataBounds, ADamagedStoreKeepsItsGoodLayoutsAndTheGridClicksOnTheScreen)
{
    XFakePlatform platform;
    const QRectF screen(0, 0, 1920, 1080);
    platform.setScreens({{screen, 1.0}});
    // Each damaged layout is refused by the same loader (OutOfBoundsLayoutsRestoreToNothing).
    const QByteArray archive = outOfBoundsLayouts()[3].second;
    XPreferenceStore& store = platform.preferences();
    store.setObject(kXGridWindowDataKey, archive);
    QList<QByteArray> list{XArchiveGridWindowData(XSampleGridLayout(100)), archive,
                           QByteArray("{\"kXGridWindow"), XArchiveGridWindowData(XSampleGridLayout(300))};
    store.setObject(kXGridWindowTableDataKey, XArchivesToVariant(list));
    store.synchronize();
    platform.reopenPreferences();

    XGridWindowController controller(platform);
    ASSERT_EQ(controller.gridWindowDatas().size(), 2u);
    EXPECT_EQ(controller.gridWindowDatas()[0].windowFrame, XSampleGridLayout(100).windowFrame);
    EXPECT_EQ(controller.gridWindowDatas()[1].windowFrame, XSampleGridLayout(300).windowFrame);
    // The current layout was skipped: the window keeps its default place, and the cells lie
    // on the screen, as they do once a kept record is applied (the screen's scale is 1).
    EXPECT_TRUE(screen.contains(platform.windowFrame(*controller.window())));
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t cell = 0; cell < 37; ++cell)
            EXPECT_TRUE(screen.contains(controller.mainView()->screenCenterPointForIndex(cell))) << cell;
        controller.loadWithGridWindowData(controller.gridWindowDatas()[1]);
    }
}
