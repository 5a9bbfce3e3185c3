#include "catalogue/XBetCaption.h"
#include "catalogue/BetCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

// Catches an entry without a caption, one shown by its raw name, and two bets that read alike.
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
}

// Catches a name read into the wrong number, band or side, and look-alike names misread.
TEST(XBetCaption, CaptionsSayWhatTheFamiliesHold)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Diag1_4_odd_right", "Diagonal 1–4 odd, right"},
        {"REDBOTM", "Red of bottom row, with neighbours"},
        {"Num17H", "Sector H around 17: 17, 0 and wheel distances 5–11"},
        {"NumL0P", "7 numbers 16–22 places after 0 on the wheel"},
        {"NUMBER5GHI", "Wheel distances 7, 8 and 9 from 5, both sides"},
        {"CKO_O_35", "Wheel distance 15 from 35, both sides"},
        {"Num111", "10 to 19"},
    };
    for (const auto& [name, caption] : cases)
        EXPECT_EQ(XBetCaption(QString::fromLatin1(name)).toStdString(), caption);
}

// Catches a column of the around-number table that names no entry, or the same as another.
TEST(XBetCaption, AroundNumberColumnsNameEveryEntryBuiltAroundANumberOnce)
{
    const auto& columns = XAroundNumberColumns();
    ASSERT_EQ(columns.size(), 22u);
    QSet<QString> names;
    for (const XAroundNumberColumn& column : columns) {
        for (int n = 0; n <= 36; ++n)
            names.insert(column.namePattern.arg(n));
    }
    EXPECT_EQ(names.size(), 814);
    for (const QString& name : names)
        EXPECT_NE(BetCatalogue::shared().entryNamed(name), nullptr) << name.toStdString();
}
