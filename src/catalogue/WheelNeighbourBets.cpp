// Bets built around one number from the wheel order: neighbours, sectors, runs after and
// before it, numbers at given distances.
#include "BetCatalogue.h"
#include "XWheel.h"
#include "XWheelBands.h"

#include <QHash>

#include <algorithm>
#include <set>

namespace {
using XWheelBands::Band;
using XWheelBands::kPairDistances;
using XWheelBands::kRunBands;
using XWheelBands::kSectorBands;
using XWheelBands::kTriples;

// Entries that differ from their family's rule, in full.
const QHash<QString, std::vector<int>>& exceptions()
{
    static const QHash<QString, std::vector<int>> listed{
        {QStringLiteral("number0"), {0, 26, 15, 19, 32}},
        {QStringLiteral("number2"), {2, 4, 21, 25}},
        {QStringLiteral("number4"), {4, 19, 2, 21}},
        {QStringLiteral("number6"), {6, 17, 27, 34}},
        {QStringLiteral("number31"), {9, 27, 33, 31}},
        {QStringLiteral("number33"), {1, 27, 31, 33}},
        {QStringLiteral("Num1H"), {0, 1, 7, 8, 10, 11, 12, 13, 18, 22, 23, 29, 30, 35, 36}},
        {QStringLiteral("Num1M"), {0, 1, 3, 6, 12, 13, 17, 24, 26, 27, 32, 34, 35, 36}},
        {QStringLiteral("Num1P"), {0, 1, 2, 4, 6, 15, 17, 19, 25, 26, 32, 34}},
        {QStringLiteral("Num7C"), {0, 3, 7, 9, 12, 14, 18, 19, 22, 26, 28, 31, 35}},
        {QStringLiteral("Num13H"), {0, 1, 2, 4, 5, 10, 13, 15, 16, 19, 21, 23, 24, 32, 33, 35}},
        {QStringLiteral("Num16M"), {0, 3, 4, 6, 7, 12, 16, 17, 25, 26, 27, 28, 34, 35}},
        {QStringLiteral("Num16P"), {0, 2, 4, 15, 16, 17, 19, 21, 25, 26, 32, 35}},
        {QStringLiteral("Num25M"), {0, 5, 10, 12, 16, 18, 23, 24, 25, 28, 29, 33, 35}},
        {QStringLiteral("NUMBER11MNO"), {9, 22, 18, 32, 15, 0, 26}},
        {QStringLiteral("NUMBER18GHI"), {26, 0, 32, 33, 26, 14}},
        {QStringLiteral("NUMBER30DEF"), {27, 6, 34, 5, 24, 36}},
        {QStringLiteral("CKO_O_35"), {5, 34}},
    };
    return listed;
}

void append(std::vector<BetEntry>& entries, const QString& name, const std::vector<int>& byRule)
{
    const auto it = exceptions().constFind(name);
    entries.push_back(XBetOnNumbers(name, it == exceptions().constEnd() ? byRule : *it));
}

std::vector<int> ascending(const std::set<int>& numbers)
{
    return {numbers.begin(), numbers.end()};
}
} // namespace

void XAppendWheelNeighbourBets(std::vector<BetEntry>& entries)
{
    using XWheel::after;
    for (int n = 0; n <= 36; ++n)
        append(entries, QStringLiteral("number%1").arg(n), ascending({after(n, -1), n, after(n, 1)}));
    for (int n = 0; n <= 36; ++n) {
        for (const Band& band : kSectorBands) {
            std::set<int> sector{n, 0};
            for (int d = band.from; d <= band.to; ++d) {
                sector.insert(after(n, d));
                sector.insert(after(n, -d));
            }
            append(entries, QStringLiteral("Num%1%2").arg(n).arg(QLatin1Char(band.letter)),
                   ascending(sector));
        }
    }
    for (int direction : {1, -1}) {
        const QString prefix = direction > 0 ? QStringLiteral("NumL") : QStringLiteral("NumR");
        for (int n = 0; n <= 36; ++n) {
            for (const Band& band : kRunBands) {
                std::vector<int> run;
                for (int place = band.from; place <= band.to; ++place)
                    run.push_back(after(n, direction * place));
                append(entries, prefix + QStringLiteral("%1%2").arg(n).arg(QLatin1Char(band.letter)), run);
            }
        }
    }
    for (int n = 0; n <= 36; ++n) {
        for (const char* letters : kTriples) {
            std::vector<int> numbers;
            for (int side : {-1, 1}) {
                for (int i = 0; i < 3; ++i)
                    numbers.push_back(after(n, side * (letters[i] - 'A' + 1)));
            }
            append(entries, QStringLiteral("NUMBER%1%2").arg(n).arg(QLatin1String(letters)), numbers);
        }
    }
    for (int n = 0; n <= 36; ++n) {
        for (const auto& [letter, distance] : kPairDistances)
            append(entries, QStringLiteral("CKO_%1_%2").arg(QLatin1Char(letter)).arg(n),
                   {after(n, -distance), after(n, distance)});
    }
}
