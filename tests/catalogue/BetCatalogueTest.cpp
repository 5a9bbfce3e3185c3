#include "catalogue/BetCatalogue.h"
#include "catalogue/XWheel.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
const BetCatalogue& catalogue()
{
    return BetCatalogue::shared();
}

std::vector<int> numbersOf(const QString& name)
{
    const BetEntry* entry = catalogue().entryNamed(name);
    EXPECT_NE(entry, nullptr) << name.toStdString();
    std::vector<int> numbers;
    if (entry) {
        for (const BetClick& c : entry->clicks)
            numbers.push_back(static_cast<int>(c.index));
    }
    return numbers;
}

std::multiset<int> setOf(const QString& name)
{
    const auto numbers = numbersOf(name);
    return {numbers.begin(), numbers.end()};
}

// Click count per cell after merging the named entries.
std::map<int, int> merged(std::initializer_list<const char*> names)
{
    std::map<int, int> counts;
    for (const char* name : names) {
        for (const BetClick& c : catalogue().entryNamed(QString::fromLatin1(name))->clicks)
            counts[static_cast<int>(c.index)] += static_cast<int>(c.clickCount);
    }
    return counts;
}

int wheelDistance(int a, int b)
{
    const int steps = std::abs(XWheel::position(a) - XWheel::position(b));
    return std::min(steps, 37 - steps);
}
} // namespace

TEST(BetCatalogue, SizeNamesFamiliesAndInvariants)
{
    const auto& entries = catalogue().entries();
    ASSERT_EQ(entries.size(), 903u);
    QSet<QString> names;
    for (const BetEntry& e : entries)
        names.insert(e.name);
    EXPECT_EQ(names.size(), 903);
    const std::vector<std::pair<const char*, int>> families{{"^number\\d+$", 37},
                                                            {"^Num\\d+[CHMP]$", 148},
                                                            {"^NumL\\d+[CHMP]$", 148},
                                                            {"^NumR\\d+[CHMP]$", 148},
                                                            {"^NUMBER\\d+(ABC|DEF|GHI|JKL|MNO|PQR)$", 222},
                                                            {"^CKO_[CKO]_\\d+$", 111},
                                                            {"^zone\\d$", 5},
                                                            {"^Alt\\d$", 10},
                                                            {"^special", 5},
                                                            {"^NumRound", 7},
                                                            {"^Diag", 8}};
    for (const auto& [pattern, count] : families) {
        const QRegularExpression re(QString::fromLatin1(pattern));
        EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                                [&](const BetEntry& e) { return re.match(e.name).hasMatch(); }),
                  count)
            << pattern;
    }
    for (const BetEntry& e : entries) {
        for (const BetClick& c : e.clicks) {
            EXPECT_LE(c.index, 36u) << e.name.toStdString();
            if (e.name != QLatin1String("special10238")) {
                EXPECT_EQ(c.clickCount, 1u) << e.name.toStdString();
            }
        }
    }
    // Family order: the neighbours come first, the rounds last.
    EXPECT_EQ(entries.front().name, QStringLiteral("number0"));
    EXPECT_EQ(entries.back().name, QStringLiteral("NumRound3036"));
    EXPECT_EQ(catalogue().entryNamed(QStringLiteral("number37")), nullptr);
}

TEST(BetCatalogue, WheelNeighboursWrapAndTheirExceptionsHold)
{
    EXPECT_EQ(numbersOf(QStringLiteral("number5")), (std::vector<int>{5, 10, 24}));
    EXPECT_EQ(numbersOf(QStringLiteral("number26")), (std::vector<int>{0, 3, 26}));
    EXPECT_EQ(numbersOf(QStringLiteral("number32")), (std::vector<int>{0, 15, 32}));
    EXPECT_EQ(numbersOf(QStringLiteral("number0")), (std::vector<int>{0, 26, 15, 19, 32}));
    EXPECT_EQ(numbersOf(QStringLiteral("number31")), (std::vector<int>{9, 27, 33, 31}));
    EXPECT_EQ(numbersOf(QStringLiteral("Num0C")),
              (std::vector<int>{0, 2, 3, 4, 7, 12, 15, 19, 21, 26, 28, 32, 35}));
    EXPECT_EQ(numbersOf(QStringLiteral("Num17H")),
              (std::vector<int>{0, 3, 5, 8, 10, 11, 15, 17, 19, 23, 26, 30, 32, 35, 36}));
    EXPECT_EQ(numbersOf(QStringLiteral("Num36P")),
              (std::vector<int>{0, 3, 7, 9, 12, 18, 22, 26, 28, 29, 31, 35, 36}));
    EXPECT_EQ(numbersOf(QStringLiteral("Num0H")).size(), 15u);
    EXPECT_EQ(numbersOf(QStringLiteral("Num1H")).size(), 15u);
    EXPECT_EQ(setOf(QStringLiteral("Num1H")).count(28), 0u);
    EXPECT_EQ(numbersOf(QStringLiteral("NumL0P")), (std::vector<int>{8, 23, 10, 5, 24, 16, 33}));
    EXPECT_EQ(numbersOf(QStringLiteral("NumR0C")), (std::vector<int>{26, 3, 35, 12, 28, 7, 29}));
    EXPECT_EQ(numbersOf(QStringLiteral("NumL1M")), (std::vector<int>{35, 3, 26, 0, 32, 15, 19}));
    EXPECT_EQ(setOf(QStringLiteral("NUMBER0ABC")), (std::multiset<int>{26, 3, 35, 32, 15, 19}));
    EXPECT_EQ(setOf(QStringLiteral("NUMBER0PQR")), (std::multiset<int>{5, 24, 16, 10, 23, 8}));
    EXPECT_EQ(setOf(QStringLiteral("CKO_K_0")), (std::multiset<int>{31, 27}));
    EXPECT_EQ(setOf(QStringLiteral("CKO_C_19")), (std::multiset<int>{0, 2}));
    EXPECT_EQ(merged({"CKO_C_0", "CKO_C_19"}), (std::map<int, int>{{0, 1}, {2, 1}, {19, 1}, {35, 1}}));
    EXPECT_EQ(numbersOf(QStringLiteral("NUMBER11MNO")).size(), 7u);
    EXPECT_EQ(setOf(QStringLiteral("CKO_O_35")), (std::multiset<int>{5, 34}));
}

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

TEST(BetCatalogue, DistanceTriplesCoverEveryOtherNumberOnce)
{
    for (int n : {7, 0, 26}) {
        std::map<int, int> counts;
        for (const char* g : {"ABC", "DEF", "GHI", "JKL", "MNO", "PQR"}) {
            const auto numbers = numbersOf(QStringLiteral("NUMBER%1%2").arg(n).arg(QLatin1String(g)));
            EXPECT_EQ(numbers.size(), 6u);
            for (int m : numbers)
                ++counts[m];
        }
        EXPECT_EQ(counts.size(), 36u) << n;
        EXPECT_EQ(counts.count(n), 0u);
        for (const auto& [m, c] : counts)
            EXPECT_EQ(c, 1) << n << " " << m;
    }
    std::map<int, int> eighteen;
    for (const char* g : {"ABC", "DEF", "GHI", "JKL", "MNO", "PQR"})
        for (int m : numbersOf(QStringLiteral("NUMBER18%1").arg(QLatin1String(g))))
            ++eighteen[m];
    EXPECT_EQ(eighteen[26], 2);
    EXPECT_EQ(eighteen[14], 2);
    EXPECT_EQ(eighteen.count(16), 0u);
    EXPECT_EQ(eighteen.count(24), 0u);
}

TEST(BetCatalogue, TableBetsAndTheirRepeats)
{
    EXPECT_EQ(numbersOf(QStringLiteral("RED")).size(), 18u);
    EXPECT_EQ(setOf(QStringLiteral("RED")).count(0), 0u);
    EXPECT_EQ(numbersOf(QStringLiteral("BLK2")), (std::vector<int>{13, 15, 17, 20, 22, 24}));
    EXPECT_EQ(numbersOf(QStringLiteral("TOP4M")).front(), 2);
    EXPECT_EQ(numbersOf(QStringLiteral("REDTOP")).size(), 22u);
    const auto redTop = merged({"REDTOP"});
    EXPECT_EQ(redTop.at(35), 2);
    EXPECT_EQ(redTop.at(13), 2);
    EXPECT_EQ(redTop.at(22), 1);
    EXPECT_EQ(redTop.at(11), 1);
    EXPECT_EQ(numbersOf(QStringLiteral("EVENTOP")),
              (std::vector<int>{27, 6, 34, 28, 12, 35, 22, 18, 29, 5, 24, 16, 11, 30, 8, 13, 36}));
    const std::vector<std::pair<const char*, std::size_t>> pairs{
        {"EVENMID", 15}, {"EVENBOTM", 18}, {"ODDTOP", 18},   {"ODDMID", 18},   {"ODDBOTM", 18},
        {"REDMID", 12},  {"REDBOTM", 17},  {"BLACKTOP", 11}, {"BLACKMID", 23}, {"BLACKBOTM", 17}};
    for (const auto& [name, count] : pairs)
        EXPECT_EQ(numbersOf(QString::fromLatin1(name)).size(), count) << name;
    EXPECT_EQ(merged({"BLACKMID"}).at(25), 2);
    for (const char* name : {"TOPexmpt", "MIDexmpt", "BOTMexmpt"})
        EXPECT_EQ(setOf(QString::fromLatin1(name)).count(0), std::string(name) == "MIDexmpt" ? 1u : 0u)
            << name;
    EXPECT_EQ(setOf(QStringLiteral("BOTMexmpt")).count(22), 1u);
    EXPECT_EQ(setOf(QStringLiteral("BOTMexmpt")).count(18), 0u);
    EXPECT_EQ(numbersOf(QStringLiteral("Num333")).size(), 9u);
    EXPECT_EQ(merged({"Num222", "Num333"}).at(28), 2);
}

TEST(BetCatalogue, FixedListsWithRepeatsAndSeveralClicks)
{
    const auto special = merged({"special10238"});
    EXPECT_EQ(catalogue().entryNamed(QStringLiteral("special10238"))->clicks.size(), 7u);
    EXPECT_EQ(special.at(23), 5);
    EXPECT_EQ(special.at(10), 3);
    EXPECT_EQ(special.at(8), 2);
    EXPECT_EQ(special.at(30), 2);
    int sum = 0;
    for (const auto& [cell, count] : special)
        sum += count;
    EXPECT_EQ(sum, 15);
    const auto down = numbersOf(QStringLiteral("zoneCrossXdown"));
    EXPECT_EQ(down.size(), 12u);
    EXPECT_EQ(down[3], 30);
    EXPECT_EQ(down[11], 30);
    EXPECT_EQ(setOf(QStringLiteral("Diag1_4_odd_right")).count(29), 2u);
    EXPECT_EQ(setOf(QStringLiteral("Diag1_4_odd_right")).count(19), 0u);
}
