#include "catalogue/XBetCaption.h"
#include "catalogue/BetCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(XBetCaption, EveryEntryReadsAsItsOwnPlainCaption)
{
    QSet<QString> seen;
    for (const BetEntry& entry : BetCatalogue::shared().entries()) {
        const QString caption = XBetCaption(entry.name);
        EXPECT_FALSE(caption.isEmpty()) << entry.name.toStdString();
        EXPECT_NE(caption, entry.name);
        EXPECT_FALSE(seen.contains(caption)) << "two bets read " << caption.toStdString();
        seen.insert(caption);
    }
    EXPECT_EQ(seen.size(), 903);
    EXPECT_TRUE(XBetCaption(QStringLiteral("number37")).isEmpty());
    EXPECT_TRUE(XBetCaption(QStringLiteral("Num05C")).isEmpty());
}

TEST(XBetCaption, CaptionsSayWhatTheFamiliesHold)
{
    const auto caption = [](const char* name) { return XBetCaption(QString::fromLatin1(name)); };
    EXPECT_EQ(caption("Diag11_12_even_left"), QStringLiteral("Diagonal 11–12 even, left"));
    EXPECT_EQ(caption("Diag1_4_odd_right"), QStringLiteral("Diagonal 1–4 odd, right"));
    EXPECT_EQ(caption("TOPexmpt"), QStringLiteral("Next to the top row"));
    EXPECT_EQ(caption("TOPeven"), QStringLiteral("Wheel's top half, even"));
    EXPECT_EQ(caption("BLK2"), QStringLiteral("Black in 2nd dozen"));
    EXPECT_EQ(caption("REDBOTM"), QStringLiteral("Red of bottom row, with neighbours"));
    EXPECT_EQ(caption("zoneCrossXdown"), QStringLiteral("Zone cross, down"));
    EXPECT_EQ(caption("Num17H"), QStringLiteral("Sector H around 17: 17, 0 and wheel distances 5–11"));
    EXPECT_EQ(caption("NumL0P"), QStringLiteral("7 numbers 16–22 places after 0 on the wheel"));
    EXPECT_EQ(caption("NumR36C"), QStringLiteral("7 numbers 1–7 places before 36 on the wheel"));
    EXPECT_EQ(caption("NUMBER5GHI"), QStringLiteral("Wheel distances 7, 8 and 9 from 5, both sides"));
    EXPECT_EQ(caption("CKO_O_35"), QStringLiteral("Wheel distance 15 from 35, both sides"));
    // Names that only look like the families built around a number.
    EXPECT_EQ(caption("NumRound1318"), QStringLiteral("Round 13·18"));
    EXPECT_EQ(caption("Num111"), QStringLiteral("10 to 19"));
}

TEST(XBetCaption, TooltipCarriesTheCaptionTheNameAndTheClicks)
{
    const BetEntry* special = BetCatalogue::shared().entryNamed(QStringLiteral("special10238"));
    ASSERT_NE(special, nullptr);
    EXPECT_EQ(XBetTooltip(*special),
              QStringLiteral("Special 10·23·8\nspecial10238: 5, 8 ×2, 10 ×3, 23 ×5, 24, 16, 30 ×2"));
}

TEST(XBetCaption, AroundNumberColumnsNameEveryEntryBuiltAroundANumberOnce)
{
    const auto& columns = XAroundNumberColumns();
    ASSERT_EQ(columns.size(), 22u);
    QSet<QString> labels, tips, names;
    for (const XAroundNumberColumn& column : columns) {
        labels.insert(column.label);
        tips.insert(column.tip);
        for (int n = 0; n <= 36; ++n)
            names.insert(column.namePattern.arg(n));
    }
    EXPECT_EQ(labels.size(), 22);
    EXPECT_EQ(tips.size(), 22);
    EXPECT_EQ(names.size(), 814);
    for (const QString& name : names)
        EXPECT_NE(BetCatalogue::shared().entryNamed(name), nullptr) << name.toStdString();
    EXPECT_EQ(columns[1].tip,
              QStringLiteral("Sector C: the number, 0 and every number at wheel distance 1–6"));
    EXPECT_EQ(columns[5].label, QStringLiteral("L C"));
    EXPECT_EQ(columns[13].tip, QStringLiteral("The 6 numbers at wheel distances 1, 2 and 3 (A = 1 … R = 18), "
                                              "both sides of the number"));
    EXPECT_EQ(columns[21].label, QStringLiteral("15"));
}
