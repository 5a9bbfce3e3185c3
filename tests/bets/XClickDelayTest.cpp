#include "bets/XClickDelay.h"

#include <gtest/gtest.h>

TEST(XClickDelay, MillisecondsTextToMicroseconds)
{
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("0.5")), 500);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("2")), 2000);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral(" 250ms")), 250000);
    for (const char* nothing : {"abc", "0", "-3", "", "   ", "-0.0001"})
        EXPECT_EQ(XClickDelayMicroseconds(QString::fromLatin1(nothing)), 1000) << nothing;
}

TEST(XClickDelay, SinglePrecisionAndTruncation)
{
    // 0.1f × 1000 in single precision is 100.0000015; the fraction is cut.
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("0.1")), 100);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("0.0015")), 1);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("16777217")), 16777216000LL);
    // Absurd texts stay finite: at most a day.
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("1e30")), 86400000000LL);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("1e999")), 1000);
}

TEST(XClickDelay, ThePauseFieldTakesMillisecondsFromOneToADay)
{
    for (const char* text : {"1", "250", " 250 ", "2.5", "1.", "86400000", "0001"})
        EXPECT_TRUE(XClickDelayMilliseconds(QString::fromLatin1(text))) << text;
    EXPECT_EQ(XClickDelayMilliseconds(QStringLiteral("2.5")), 2.5);
    for (const char* text : {"", " ", "1s", "abc", "0", "0.5", ".5", "-3", "+5", "1e3", "86400000.5",
                             "99999999999999999999", "2,5", "1 000"})
        EXPECT_FALSE(XClickDelayMilliseconds(QString::fromLatin1(text))) << text;
    // Digits of other scripts are turned away, never read as 0.
    EXPECT_FALSE(XClickDelayMilliseconds(QStringLiteral("\u0662\u0665\u0660")));
    EXPECT_FALSE(XClickDelayMilliseconds(QStringLiteral("\uFF12\uFF15")));
}

TEST(XClickDelay, TheStoredPauseIsThePauseInUse)
{
    for (const char* text : {"1", "250", "86400000", "16777217", "2.5", "999.999"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(XClickDelayStoredValue(t), XClickDelayMicroseconds(t) / 1000) << text;
        EXPECT_TRUE(XIsStoredClickDelay(XClickDelayStoredValue(t))) << text;
    }
    EXPECT_EQ(XClickDelayStoredValue(QStringLiteral("86400000")), 86400000);
    EXPECT_EQ(XClickDelayStoredValue(QStringLiteral("2.5")), 2);
    EXPECT_EQ(XClickDelayText(250), QStringLiteral("250"));
    EXPECT_TRUE(XClickDelayMilliseconds(XClickDelayText(86400000)));
    for (std::int64_t stored : {0LL, -5LL, 86400001LL, 9000000000000000000LL})
        EXPECT_FALSE(XIsStoredClickDelay(stored)) << stored;
}
