#include "bets/XArchiving.h"
#include "bets/XBetList.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {
XMouseData record(std::uint64_t index, std::uint64_t count, QPointF point = {}, std::uint32_t type = 0)
{
    XMouseData d = XMouseData::mouseDataWithIndex(index, count);
    d.setMousePoint(point);
    d.setEventType(type);
    return d;
}
} // namespace

// Catches a key renamed or a point written in another text, which earlier files could not read,
// and the fast writer going astray from the general one on awkward numbers and notes.
TEST(XArchiving, ArchivesKeepTheirKeysAndPointTextAndAreTheJsonOfTheirKeyedCodings)
{
    const QByteArray archive = XArchiveMouseData(record(5, 2, {12.5, 30}, 3));
    const QJsonObject object = QJsonDocument::fromJson(archive).object();
    EXPECT_EQ(
        object.keys(),
        (QStringList{QStringLiteral("kXMouseDataClickCountKey"), QStringLiteral("kXMouseDataEventTypeKey"),
                     QStringLiteral("kXMouseDataIndexKey"), QStringLiteral("kXMouseDataPointKey")}));
    EXPECT_EQ(object.value(QStringLiteral("kXMouseDataPointKey")).toString(),
              QStringLiteral("12.500000,30.000000"));
    const auto back = XUnarchiveMouseData(archive);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isEqual(record(5, 2, {12.5, 30}, 3)));

    XTableMouseData bet;
    bet.setMouseDatas({record(0, 1, {-0.0, 1e-7}), record(36, 12, {12.5, -30.25}, 3),
                       record(4, 9007199254740993ULL, {1e15, 3840}), record(7, 2, {-3, 999999999999999})});
    const QString awkward =
        QStringLiteral("tab\tquote\" back\\ nul") + QChar(0) + QStringLiteral(" \u00e9 \U0001F3B2 \u2028");
    for (const QString& note : {QStringLiteral(""), QStringLiteral("Bet 1"), awkward}) {
        bet.setNote(note);
        bet.setName(note);
        const QByteArray bytes = XArchiveTableMouseData(bet);
        QJsonParseError error{};
        const QJsonDocument written = QJsonDocument::fromJson(bytes, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << bytes.constData();
        // Numbers compare by value: Qt writes large ones with an exponent.
        EXPECT_EQ(written.object().toVariantMap(),
                  QJsonDocument::fromJson(XArchive(XEncodeTableMouseData(bet))).object().toVariantMap())
            << bytes.constData();
        EXPECT_EQ(XUnarchiveTableMouseData(bytes)->note(), note);
        EXPECT_EQ(XUnarchiveTableMouseData(bytes)->name(), note);
    }
    for (const XMouseData& d : bet.mouseDatas())
        EXPECT_EQ(QJsonDocument::fromJson(XArchiveMouseData(d)).object().toVariantMap(),
                  QJsonDocument::fromJson(XArchive(XEncodeMouseData(d))).object().toVariantMap());
}

// Catches a record without a click count dropped or read as a click, a non-record read as one, and
// a bet's records read past the first that is not one.
TEST(XArchiving, ARecordWithoutAClickCountClicksNothingAndABetEndsAtItsFirstNonRecord)
{
    const auto noCount = XUnarchiveMouseData(R"({"kXMouseDataIndexKey":4,"kXMouseDataPointKey":"1,2"})");
    ASSERT_TRUE(noCount);
    EXPECT_EQ(noCount->clickCount(), 0u);
    EXPECT_EQ(noCount->mousePoint(), QPointF(1, 2));
    XBetList bet;
    bet.addMouseDatas({*noCount, record(6, 1)}, true);
    ASSERT_EQ(bet.combineAllMouseDatas(37).size(), 1u);
    EXPECT_EQ(bet.combineAllMouseDatas(37)[0].index(), 6u);
    for (const char* notARecord : {"{}", "[1,2]", R"({"kXTableNoteKey":"a bet"})"})
        EXPECT_FALSE(XUnarchiveMouseData(notARecord)) << notARecord;

    const auto cut = XUnarchiveTableMouseData(
        R"({"kXTableMouseDataKey":[{"kXMouseDataIndexKey":2,"kXMouseDataClickCountKey":1,"kXMouseDataPointKey":"0,0"},"junk",{"kXMouseDataIndexKey":9,"kXMouseDataClickCountKey":1}]})");
    ASSERT_TRUE(cut);
    ASSERT_EQ(cut->mouseDatas().size(), 1u);
    EXPECT_EQ(cut->mouseDatas()[0].index(), 2u);
    EXPECT_EQ(cut->note(), QStringLiteral(""));
}
