#include "bets/XClickDelay.h"

#include <gtest/gtest.h>

// Catches a pause in the wrong unit, rounded up, read at double precision, or endless.
TEST(XClickDelay, MillisecondsTextToMicroseconds)
{
    // 0.1f × 1000 in single precision is 100.0000015: the fraction is cut. At most a day.
    const std::pair<const char*, std::int64_t> cases[] = {
        {"0.5", 500}, {"2", 2000},   {" 250ms", 250000}, {"abc", 1000}, {"0", 1000},   {"-3", 1000},
        {"", 1000},   {"   ", 1000}, {"-0.0001", 1000},  {"0.1", 100},  {"0.0015", 1}, {"1e999", 1000}};
    for (const auto& [text, micros] : cases)
        EXPECT_EQ(XClickDelayMicroseconds(QString::fromLatin1(text)), micros) << text;
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("16777217")), 16777216000);
    EXPECT_EQ(XClickDelayMicroseconds(QStringLiteral("1e30")), 86400000000);
}

// Catches the pause field taking text that is not 1 ms to a day, or foreign digits as 0.
TEST(XClickDelay, ThePauseFieldTakesMillisecondsFromOneToADay)
{
    for (const char* text : {"1", "250", " 250 ", "2.5", "1.", "86400000", "0001"})
        EXPECT_TRUE(XClickDelayMilliseconds(QString::fromLatin1(text))) << text;
    EXPECT_EQ(XClickDelayMilliseconds(QStringLiteral("2.5")), 2.5);
    for (const char* text : {"", " ", "1s", "abc", "0", "0.5", ".5", "-3", "+5", "1e3", "86400000.5",
                             "99999999999999999999", "2,5", "1 000", "\u0662\u0665\u0660", "\uFF12\uFF15"})
        EXPECT_FALSE(XClickDelayMilliseconds(QString::fromUtf8(text))) << text;
}
