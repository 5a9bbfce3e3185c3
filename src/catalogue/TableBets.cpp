// Bets given by the table's layout: even chances, dozens, colour and parity within a
// dozen, rows, row exclusions, neighbours of a row's colour or parity, runs of numbers.
#include "BetCatalogue.h"
#include "XWheel.h"

#include <QHash>

#include <functional>

namespace {
std::vector<int> numbersWhere(int from, int to, const std::function<bool(int)>& keep)
{
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) {
        if (keep(n))
            numbers.push_back(n);
    }
    return numbers;
}

// Row of the table: 0 top (3, 6, …), 1 middle (2, 5, …), 2 bottom (1, 4, …).
int rowOf(int n)
{
    return n % 3 == 0 ? 0 : n % 3 == 2 ? 1 : 2;
}

// Neighbour groups of the row's numbers of a colour or parity, merged group by group; a
// number already listed is left out, except those the bet lists twice. The two groups
// whose order the bet fixes in full are kept as listed.
std::vector<int> rowNeighbours(int row, const std::function<bool(int)>& kind, const std::vector<int>& twice)
{
    std::vector<int> numbers;
    const auto listed = [&numbers](int n) {
        return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
    };
    for (int base : numbersWhere(1, 36, [&](int n) { return rowOf(n) == row && kind(n); })) {
        for (int n : {XWheel::after(base, -1), base, XWheel::after(base, 1)}) {
            if (!listed(n) || std::find(twice.begin(), twice.end(), n) != twice.end())
                numbers.push_back(n);
        }
    }
    return numbers;
}
} // namespace

void XAppendTableBets(std::vector<BetEntry>& entries)
{
    const auto red = [](int n) { return XWheel::isRed(n); };
    const auto black = [](int n) { return n != 0 && !XWheel::isRed(n); };
    const auto even = [](int n) { return n != 0 && n % 2 == 0; };
    const auto odd = [](int n) { return n % 2 == 1; };
    const auto add = [&entries](const char* name, const std::vector<int>& numbers) {
        entries.push_back(XBetOnNumbers(QString::fromLatin1(name), numbers));
    };

    add("RED", numbersWhere(1, 36, red));
    add("BLACK", numbersWhere(1, 36, black));
    add("EVEN", numbersWhere(1, 36, even));
    add("ODD", numbersWhere(1, 36, odd));
    add("SMALL", numbersWhere(1, 12, [](int) { return true; }));
    add("MIDDLE", numbersWhere(13, 24, [](int) { return true; }));
    add("LARGE", numbersWhere(25, 36, [](int) { return true; }));
    const std::pair<const char*, std::function<bool(int)>> perDozen[] = {
        {"RED", red}, {"BLK", black}, {"ODD", odd}, {"EVEN", even}};
    for (const auto& [prefix, kind] : perDozen) {
        for (int dozen = 1; dozen <= 3; ++dozen)
            entries.push_back(XBetOnNumbers(QString::fromLatin1(prefix) + QString::number(dozen),
                                            numbersWhere(12 * dozen - 11, 12 * dozen, kind)));
    }
    add("TOP4T", numbersWhere(1, 36, [](int n) { return rowOf(n) == 0; }));
    add("TOP4M", numbersWhere(1, 36, [](int n) { return rowOf(n) == 1; }));
    add("TOP4B", numbersWhere(1, 36, [](int n) { return rowOf(n) == 2; }));

    add("TOPexmpt", {1, 2, 4, 8, 11, 13, 16, 19, 22, 26, 28, 29, 31, 32, 34, 35});
    add("MIDexmpt", {0, 1, 3, 7, 10, 12, 15, 18, 21, 24, 25, 30, 31, 34, 36});
    add("BOTMexmpt", {2, 5, 6, 9, 12, 14, 15, 17, 20, 21, 22, 23, 24, 27, 29, 33, 36});

    struct RowBet
    {
        const char* name;
        int row;
        std::function<bool(int)> kind;
        std::vector<int> twice;
    };
    const RowBet rowBets[] = {
        {"EVENTOP", 0, even, {}},     {"EVENMID", 1, even, {}},        {"EVENBOTM", 2, even, {}},
        {"ODDTOP", 0, odd, {}},       {"ODDMID", 1, odd, {10}},        {"ODDBOTM", 2, odd, {}},
        {"REDTOP", 0, red, {35, 13}}, {"REDMID", 1, red, {10}},        {"REDBOTM", 2, red, {33}},
        {"BLACKTOP", 0, black, {}},   {"BLACKMID", 1, black, {25, 3}}, {"BLACKBOTM", 2, black, {}},
    };
    static const QHash<QString, std::vector<int>> inFull{
        {QStringLiteral("EVENTOP"), {27, 6, 34, 28, 12, 35, 22, 18, 29, 5, 24, 16, 11, 30, 8, 13, 36}},
        {QStringLiteral("REDMID"), {10, 5, 24, 31, 14, 20, 8, 23, 10, 15, 32, 0}},
    };
    for (const RowBet& bet : rowBets) {
        const QString name = QString::fromLatin1(bet.name);
        entries.push_back(
            XBetOnNumbers(name, inFull.value(name, rowNeighbours(bet.row, bet.kind, bet.twice))));
    }

    add("Num111", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    add("Num222", {20, 21, 22, 23, 24, 25, 26, 27, 28, 29});
    add("Num333", {30, 31, 28, 29, 32, 33, 34, 35, 36});
}
