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
