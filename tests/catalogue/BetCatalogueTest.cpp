#include "catalogue/BetCatalogue.h"
#include "catalogue/XWheel.h"

#include <QSet>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
std::vector<int> numbersOf(const QString& name)
{
    const BetEntry* entry = BetCatalogue::shared().entryNamed(name);
    EXPECT_NE(entry, nullptr) << name.toStdString();
    std::vector<int> numbers;
    if (entry) {
        for (const BetClick& c : entry->clicks)
            numbers.push_back(static_cast<int>(c.index));
    }
    return numbers;
}

// The cells of the named entry, each as often as it is clicked.
std::multiset<int> cellsOf(const QString& name)
{
    const std::vector<int> numbers = numbersOf(name);
    return {numbers.begin(), numbers.end()};
}

int wheelDistance(int a, int b)
{
    const int steps = std::abs(XWheel::position(a) - XWheel::position(b));
    return std::min(steps, 37 - steps);
}
} // namespace

// Catches an entry lost, a name twice, a cell off the table, extra repeats (each around-number
// family's names are checked in XBetCaptionTest).
TEST(BetCatalogue, SizeNamesAndInvariants)
{
    const auto& entries = BetCatalogue::shared().entries();
    ASSERT_EQ(entries.size(), 903u);
    QSet<QString> names;
    for (const BetEntry& e : entries)
        names.insert(e.name);
    EXPECT_EQ(names.size(), 903);
    for (const BetEntry& e : entries) {
        for (const BetClick& c : e.clicks) {
            EXPECT_LE(c.index, 36u) << e.name.toStdString();
            if (e.name != QLatin1String("special10238")) {
                EXPECT_EQ(c.clickCount, 1u) << e.name.toStdString();
            }
        }
    }
    EXPECT_EQ(BetCatalogue::shared().entryNamed(QStringLiteral("number37")), nullptr);
}

// Catches the wheel order misread, a neighbour not wrapping past 0, a run the wrong way.
TEST(BetCatalogue, NeighboursAndRunsFollowTheWheel)
{
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"number5", {5, 10, 24}},
        {"number26", {0, 3, 26}},
        {"number32", {0, 15, 32}},
        {"NumL0P", {8, 23, 10, 5, 24, 16, 33}},
        {"NumR0C", {26, 3, 35, 12, 28, 7, 29}},
        {"NumL1M", {35, 3, 26, 0, 32, 15, 19}},
        {"NUMBER0ABC", {32, 15, 19, 26, 3, 35}},
        {"CKO_C_19", {2, 0}},
    };
    for (const auto& [name, numbers] : cases)
        EXPECT_EQ(cellsOf(QString::fromLatin1(name)), std::multiset<int>(numbers.begin(), numbers.end()))
            << name;
}

// Catches a sector built from the wrong band of wheel distances, without 0 or the number.
TEST(BetCatalogue, SectorsFollowTheirBandsExceptTheListedOnes)
{
    const QSet<QString> listed{QStringLiteral("Num1H"),  QStringLiteral("Num1M"),  QStringLiteral("Num1P"),
                               QStringLiteral("Num7C"),  QStringLiteral("Num13H"), QStringLiteral("Num16M"),
                               QStringLiteral("Num16P"), QStringLiteral("Num25M")};
    const std::map<char, std::pair<int, int>> bands{
        {'C', {1, 6}}, {'H', {5, 11}}, {'M', {10, 15}}, {'P', {13, 18}}};
    for (int n = 0; n <= 36; ++n) {
        for (const auto& [letter, band] : bands) {
            const QString name = QStringLiteral("Num%1%2").arg(n).arg(QLatin1Char(letter));
            if (listed.contains(name))
                continue;
            std::set<int> expected{0, n};
            for (int m = 0; m <= 36; ++m) {
                const int d = wheelDistance(n, m);
                if (d >= band.first && d <= band.second)
                    expected.insert(m);
            }
            EXPECT_EQ(numbersOf(name), std::vector<int>(expected.begin(), expected.end()))
                << name.toStdString();
        }
    }
}

// Catches distance triples that overlap or leave a number out.
TEST(BetCatalogue, DistanceTriplesCoverEveryOtherNumberOnce)
{
    for (int n : {7, 0, 26}) {
        std::map<int, int> seen;
        for (const char* g : {"ABC", "DEF", "GHI", "JKL", "MNO", "PQR"}) {
            const auto numbers = numbersOf(QStringLiteral("NUMBER%1%2").arg(n).arg(QLatin1String(g)));
            EXPECT_EQ(numbers.size(), 6u);
            for (int m : numbers)
                ++seen[m];
        }
        EXPECT_EQ(seen.size(), 36u) << n;
        EXPECT_EQ(seen.count(n), 0u);
        for (const auto& [m, c] : seen)
            EXPECT_EQ(c, 1) << n << " " << m;
    }
}

// Catches table bets of the wrong row, dozen or colour, and row neighbours repeated wrongly.
TEST(BetCatalogue, TableBetsAndTheirRepeats)
{
    EXPECT_EQ(numbersOf(QStringLiteral("RED")).size(), 18u);
    EXPECT_EQ(cellsOf(QStringLiteral("RED")).count(0), 0u);
    EXPECT_EQ(numbersOf(QStringLiteral("BLK2")), (std::vector<int>{13, 15, 17, 20, 22, 24}));
    EXPECT_EQ(numbersOf(QStringLiteral("TOP4M")).front(), 2);
    const auto redTop = cellsOf(QStringLiteral("REDTOP"));
    EXPECT_EQ(redTop.count(35), 2u);
    EXPECT_EQ(redTop.count(13), 2u);
    EXPECT_EQ(redTop.count(22), 1u);
    EXPECT_EQ(cellsOf(QStringLiteral("BLACKMID")).count(25), 2u);
}
