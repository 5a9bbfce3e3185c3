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
