#include "bets/XArchiving.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {
const XStoredBounds kFullHd = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0}});

QByteArray mouseArchive(const char* point, int index = 5, int count = 1)
{
    QJsonObject object = XEncodeMouseData(
        XMouseData::mouseDataWithIndex(static_cast<std::uint64_t>(index), static_cast<std::uint64_t>(count)));
    object.insert(QStringLiteral("kXMouseDataPointKey"), QLatin1String(point));
    return XArchive(object);
}

XTableMouseData savedBet(std::initializer_list<std::uint64_t> cells, const QString& note)
{
    std::vector<XMouseData> records;
    for (std::uint64_t cell : cells)
        records.push_back(XMouseData::mouseDataWithIndex(cell, 2));
    XTableMouseData bet;
    bet.setMouseDatas(std::move(records));
    bet.setNote(note);
    return bet;
}
} // namespace

// Catches a damaged or out-of-bounds point kept, an old point misread, a whole bet lost for one.
TEST(XDamagedStore, RecordsWhosePointIsOutOfBoundsOrDamagedAreLeftOut)
{
    EXPECT_TRUE(XUnarchiveMouseDataWithin(mouseArchive("7680,-7680"), kFullHd));
    for (const char* point : {"9000012,30", "5,-2800012", "1e308,1e308", "-7681,0"})
        EXPECT_FALSE(XUnarchiveMouseDataWithin(mouseArchive(point), kFullHd)) << point;
    // Points as stored before keep reading as they did.
    const std::tuple<const char*, double, double> kept[] = {{"12.5,30", 12.5, 30},
                                                            {"-100.250000,-3.000000", -100.25, -3},
                                                            {" 7, 8", 7, 8},
                                                            {"+1e2,.5", 100, 0.5}};
    for (const auto& [text, x, y] : kept) {
        const auto record = XUnarchiveMouseDataWithin(mouseArchive(text), kFullHd);
        ASSERT_TRUE(record) << text;
        EXPECT_TRUE(record->mousePoint().x() == x && record->mousePoint().y() == y) << text;
    }
    // A point that is no point would click where nobody chose: the record is left out, and
    // said so once, naming it.
    QJsonObject noPoint = XEncodeMouseData(XMouseData::mouseDataWithIndex(5, 1));
    noPoint.remove(QStringLiteral("kXMouseDataPointKey"));
    QJsonObject numberPoint = noPoint;
    numberPoint.insert(QStringLiteral("kXMouseDataPointKey"), 7);
    QList<QByteArray> damaged{XArchive(noPoint), XArchive(numberPoint)};
    for (const char* point :
         {"NaN,NaN", "inf,inf", "abc", "", "10,20,30", "nan,100", "3,-nan", "12px,30", ",5", "1e999,2"})
        damaged.append(mouseArchive(point));
    testing::internal::CaptureStderr();
    for (const QByteArray& archive : damaged)
        EXPECT_FALSE(XUnarchiveMouseDataWithin(archive, kFullHd)) << archive.constData();
    const QString log = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(log.count(QStringLiteral("of cell 5 is left out")), damaged.size()) << qPrintable(log);
    EXPECT_TRUE(log.contains(QStringLiteral("\"nan,100\""))) << qPrintable(log);

    // In a saved bet, such records are left out and the others kept, however it is read.
    QJsonObject bet = XEncodeTableMouseData(savedBet({1, 2, 3, 4}, QStringLiteral("n")));
    QJsonArray records = bet.value(QStringLiteral("kXTableMouseDataKey")).toArray();
    for (int i : {1, 2}) {
        QJsonObject record = records[i].toObject();
        record.insert(QStringLiteral("kXMouseDataPointKey"),
                      QLatin1String(i == 1 ? "9000012.000000,0.000000" : "nan,0"));
        records[i] = record;
    }
    bet.insert(QStringLiteral("kXTableMouseDataKey"), records);
    for (const auto& restored :
         {XDecodeTableMouseData(bet, kFullHd), XUnarchiveTableMouseDataWithin(XArchive(bet), kFullHd)}) {
        ASSERT_TRUE(restored);
        ASSERT_EQ(restored->mouseDatas().size(), 2u);
        EXPECT_EQ(restored->mouseDatas()[1].index(), 4u);
    }
}

// Catches a bet dropped for its note's bad bytes, a note saved back as invalid UTF-8, and a value of
// the wrong kind, negative or too large read as something, or failing the whole bet.
TEST(XDamagedStore, ANoteThatIsNotUtf8OrValuesOfTheWrongKindKeepTheBet)
{
    const QByteArray good = XArchiveTableMouseData(savedBet({0, 17}, QStringLiteral("soir")));
    QByteArray broken = good;
    broken.replace("soir", "so\xff\xfe\xc3(ir");
    const auto bet = XUnarchiveTableMouseDataWithin(broken, kFullHd);
    ASSERT_TRUE(bet);
    ASSERT_EQ(bet->mouseDatas().size(), 2u);
    EXPECT_EQ(bet->mouseDatas()[1].index(), 17u);
    EXPECT_EQ(bet->mouseDatas()[1].clickCount(), 2u);
    EXPECT_TRUE(bet->note().startsWith(QStringLiteral("so\uFFFD")));
    EXPECT_TRUE(bet->note().endsWith(QStringLiteral("(ir")));
    // Saved again, it is valid UTF-8 and reads back as it now is.
    const auto again = XUnarchiveTableMouseDataWithin(XArchiveTableMouseData(*bet), kFullHd);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->note(), bet->note());

    const auto wrongKinds = XUnarchiveTableMouseDataWithin(
        R"({"kXTableNoteKey":42,"kXTableMouseDataKey":[{"kXMouseDataIndexKey":[3],"kXMouseDataClickCountKey":"2","kXMouseDataPointKey":"1,2"},{"kXMouseDataIndexKey":"seven","kXMouseDataClickCountKey":-4,"kXMouseDataPointKey":"1,2","kXMouseDataEventTypeKey":1e300}]})",
        kFullHd);
    ASSERT_TRUE(wrongKinds);
    EXPECT_EQ(wrongKinds->note(), QStringLiteral(""));
    ASSERT_EQ(wrongKinds->mouseDatas().size(), 2u);
    for (const XMouseData& record : wrongKinds->mouseDatas())
        EXPECT_TRUE(record.index() == 0 && record.clickCount() == 0 && record.eventType() == 0);
    EXPECT_TRUE(XUnarchiveTableMouseDataWithin(R"({"kXTableMouseDataKey":"all of them"})", kFullHd)
                    ->mouseDatas()
                    .empty());
    EXPECT_FALSE(XArchivesFromVariant(QVariant(QStringLiteral("not an array"))));
    const auto mixed =
        XArchivesFromVariant(QVariantList{QByteArray("a"), 5, QStringLiteral("b"), QByteArray("c")});
    ASSERT_TRUE(mixed);
    EXPECT_EQ(*mixed, (QList<QByteArray>{"a", "c"}));
}

// Catches a truncated bet half restored, or taking its neighbours with it.
TEST(XDamagedStore, EveryTruncationOfASavedBetListRestoresOnlyWholeBets)
{
    const std::vector<XTableMouseData> bets{savedBet({1, 2}, QStringLiteral("a")),
                                            savedBet({36}, QStringLiteral("ü")),
                                            savedBet({0, 5, 9}, QStringLiteral(""))};
    const QList<QByteArray> archives = archivedData<XTableMouseData>(bets, XArchiveTableMouseData);
    const auto unarchive = [](const QByteArray& bytes) {
        return XUnarchiveTableMouseDataWithin(bytes, kFullHd);
    };
    for (qsizetype cut = 0; cut < archives[1].size(); ++cut) {
        QList<QByteArray> truncated = archives;
        truncated[1].truncate(cut);
        const std::vector<XTableMouseData> back = unArchivedData<XTableMouseData>(truncated, unarchive);
        ASSERT_EQ(back.size(), 2u) << cut;
        EXPECT_EQ(back[0].mouseDatas().size(), 2u);
        EXPECT_EQ(back[1].mouseDatas().size(), 3u);
        EXPECT_EQ(back[1].mouseDatas()[2].index(), 9u);
    }
}
