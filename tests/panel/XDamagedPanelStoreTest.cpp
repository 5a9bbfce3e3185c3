// The bet panel's keys in a damaged store: good settings, bets and saved bets are kept.
#include "PlaybackExpectations.h"

#include "bets/XArchiving.h"
#include "panel/XGridManagerView.h"

#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>

namespace {
QByteArray recordAt(std::uint64_t cell, const QString& point)
{
    QJsonObject object = XEncodeMouseData(XMouseData::mouseDataWithIndex(cell, 1));
    object.insert(QStringLiteral("kXMouseDataPointKey"), point);
    return XArchive(object);
}
} // namespace

// Catches damaged, out-of-bounds or wrongly typed values taking good ones with them, and bets of an
// earlier version (without names) dropped or left nameless.
TEST(DamagedPanelStore, GoodSettingsBetsAndSavedBetsAreKept)
{
    XFakePlatform platform;
    XPreferenceStore& store = platform.preferences();
    const QByteArray near = recordAt(5, QStringLiteral("10.000000,20.000000"));
    const QByteArray far = recordAt(6, QStringLiteral("9000012.000000,20.000000"));
    const QByteArray saved = XArchiveTableMouseData(XTableMouseData());
    store.setObject(kXGridManagerViewControllerDirectOnKey, QStringLiteral("yes"));
    store.setInteger(kXGridManagerViewControllerClickSpeedKey, 40);
    store.setObject(kXGridManagerViewControllerDataSourceKey,
                    QVariantList{XArchivesToVariant({near, far}), XArchivesToVariant({far}),
                                 XArchivesToVariant({recordAt(9, QStringLiteral("1e308,1e308")), near}),
                                 XArchivesToVariant({near, saved}), XArchivesToVariant({near, "{"}),
                                 QStringLiteral("not a group"), XArchivesToVariant({near})});

    XTableMouseData bet;
    bet.setMouseDatas({XMouseData::mouseDataWithIndex(17, 2), XMouseData::mouseDataWithIndex(0, 1)});
    const QByteArray unnamed = XArchiveTableMouseData(bet);
    ASSERT_FALSE(unnamed.contains("Name"));
    store.setObject(
        kXGridManagerViewControllerTableMouseDatasKey,
        XArchivesToVariant({unnamed, unnamed, QByteArray("{\"kXTable"), unnamed.left(20), unnamed}));
    store.synchronize();
    platform.reopenPreferences();

    XGridManagerViewController controller(platform);
    XGridManagerView* view = controller.view();
    EXPECT_EQ(controller.directMode(), 0u);
    EXPECT_EQ(view->delayClickTextField->text(), QStringLiteral("40"));
    // Out-of-bounds and broken records are left out of their groups; an emptied group stays a
    // press, one holding a saved bet is dropped whole, and reading ends at what is no group.
    const auto& groups = controller.mouseDataArray().groups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].size(), 1u);
    EXPECT_TRUE(groups[1].empty());
    ASSERT_EQ(groups[2].size(), 1u);
    EXPECT_EQ(groups[2][0].index(), 5u);
    EXPECT_EQ(groups[3].size(), 1u);
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 3"));

    const auto& kept = controller.tableViewDataSource();
    ASSERT_EQ(kept.size(), 3u);
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i].name(), QStringLiteral("Bet %1").arg(i + 1));
}
