#include "XBetCaption.h"

#include "BetEntry.h"
#include "XWheelBands.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace {
using namespace XWheelBands;

// Names whose caption no rule gives.
const QHash<QString, QString>& irregularCaptions()
{
    static const QHash<QString, QString> captions{
        {QStringLiteral("RED"), QStringLiteral("Red")},
        {QStringLiteral("BLACK"), QStringLiteral("Black")},
        {QStringLiteral("EVEN"), QStringLiteral("Even")},
        {QStringLiteral("ODD"), QStringLiteral("Odd")},
        {QStringLiteral("SMALL"), QStringLiteral("1st dozen (1–12)")},
        {QStringLiteral("MIDDLE"), QStringLiteral("2nd dozen (13–24)")},
        {QStringLiteral("LARGE"), QStringLiteral("3rd dozen (25–36)")},
        {QStringLiteral("TOP4T"), QStringLiteral("Top row")},
        {QStringLiteral("TOP4M"), QStringLiteral("Middle row")},
        {QStringLiteral("TOP4B"), QStringLiteral("Bottom row")},
        {QStringLiteral("TOPexmpt"), QStringLiteral("Next to the top row")},
        {QStringLiteral("MIDexmpt"), QStringLiteral("Next to the middle row")},
        {QStringLiteral("BOTMexmpt"), QStringLiteral("Next to the bottom row")},
        {QStringLiteral("Num111"), QStringLiteral("10 to 19")},
        {QStringLiteral("Num222"), QStringLiteral("20 to 29")},
        {QStringLiteral("Num333"), QStringLiteral("28 to 36")},
        {QStringLiteral("zoneCross"), QStringLiteral("Zone cross")},
        {QStringLiteral("zoneCross0n5"), QStringLiteral("Zone cross 0 and 5")},
        {QStringLiteral("zoneCrossXdown"), QStringLiteral("Zone cross, down")},
        {QStringLiteral("zoneCrossXup"), QStringLiteral("Zone cross, up")},
        {QStringLiteral("zoneCrossXleft"), QStringLiteral("Zone cross, left")},
        {QStringLiteral("zoneCrossXright"), QStringLiteral("Zone cross, right")},
        {QStringLiteral("special10238"), QStringLiteral("Special 10·23·8")},
        {QStringLiteral("special151935"), QStringLiteral("Special 15·19·35")},
        {QStringLiteral("special221133"), QStringLiteral("Special 22·11·33")},
        {QStringLiteral("special28729"), QStringLiteral("Special 28·7·29")},
        {QStringLiteral("special2214"), QStringLiteral("Special 2·21·4")},
        {QStringLiteral("NumRound159"), QStringLiteral("Round 1·5·9")},
        {QStringLiteral("NumRound1318"), QStringLiteral("Round 13·18")},
        {QStringLiteral("NumRound2022"), QStringLiteral("Round 20·22")},
        {QStringLiteral("NumRound2628"), QStringLiteral("Round 26·28")},
        {QStringLiteral("NumRound247"), QStringLiteral("Round 2·4·7")},
        {QStringLiteral("NumRound1517"), QStringLiteral("Round 15·17")},
        {QStringLiteral("NumRound3036"), QStringLiteral("Round 30·36")},
    };
    return captions;
}

// A number of the wheel written as the names write it: 0 to 36, no leading zero.
std::optional<int> wheelNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 2 || (text.size() == 2 && text[0] == u'0'))
        return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 && n <= 36 ? std::optional<int>(n) : std::nullopt;
}

std::optional<int> tripleIndex(QStringView letters)
{
    for (int i = 0; i < static_cast<int>(std::size(kTriples)); ++i) {
        if (letters == QLatin1String(kTriples[i]))
            return i;
    }
    return std::nullopt;
}

template <std::size_t N> const Band* bandFor(const Band (&bands)[N], QChar letter)
{
    for (const Band& band : bands) {
        if (letter == QLatin1Char(band.letter))
            return &band;
    }
    return nullptr;
}

QString range(const Band& band)
{
    return QStringLiteral("%1–%2").arg(band.from).arg(band.to);
}

QString tripleDistances(const char* letters)
{
    const auto at = [letters](int i) { return QString::number(letters[i] - 'A' + 1); };
    return at(0) + QStringLiteral(", ") + at(1) + QStringLiteral(" and ") + at(2);
}

QString runText(const Band& band, bool after, const QString& subject)
{
    return QStringLiteral("%1 numbers %2 places %3 %4 on the wheel")
        .arg(band.to - band.from + 1)
        .arg(range(band), after ? QStringLiteral("after") : QStringLiteral("before"), subject);
}

// "Red in 1st dozen", "Even of top row, with neighbours", "Wheel's left half, odd",
// "Diagonal 11–12 even, left": the table and wheel families whose names combine words.
std::optional<QString> combinedCaption(const QString& name)
{
    static const std::pair<const char*, const char*> kinds[] = {
        {"RED", "Red"}, {"BLK", "Black"}, {"BLACK", "Black"}, {"ODD", "Odd"}, {"EVEN", "Even"}};
    static const std::pair<const char*, const char*> rows[] = {
        {"TOP", "top"}, {"MID", "middle"}, {"BOTM", "bottom"}};
    static const char* const dozens[] = {"1st", "2nd", "3rd"};
    for (const auto& [prefix, word] : kinds) {
        if (!name.startsWith(QLatin1String(prefix)))
            continue;
        const QStringView rest = QStringView(name).mid(static_cast<qsizetype>(qstrlen(prefix)));
        if (rest.size() == 1 && rest[0] >= u'1' && rest[0] <= u'3')
            return QStringLiteral("%1 in %2 dozen")
                .arg(QLatin1String(word), QLatin1String(dozens[rest[0].unicode() - u'1']));
        for (const auto& [row, rowWord] : rows) {
            if (rest == QLatin1String(row))
                return QStringLiteral("%1 of %2 row, with neighbours")
                    .arg(QLatin1String(word), QLatin1String(rowWord));
        }
    }
    static const std::pair<const char*, const char*> halves[] = {
        {"TOP", "top"}, {"BOTM", "bottom"}, {"LEFT", "left"}, {"RIGHT", "right"}};
    for (const auto& [prefix, word] : halves) {
        for (const char* parity : {"even", "odd"}) {
            if (name == QLatin1String(prefix) + QLatin1String(parity))
                return QStringLiteral("Wheel's %1 half, %2").arg(QLatin1String(word), QLatin1String(parity));
        }
    }
    // Diag<a>_<b>_<parity>_<side>
    const QStringList parts = name.split(QLatin1Char('_'));
    if (parts.size() == 4 && parts[0].startsWith(QLatin1String("Diag")) &&
        (parts[2] == QLatin1String("even") || parts[2] == QLatin1String("odd")) &&
        (parts[3] == QLatin1String("left") || parts[3] == QLatin1String("right"))) {
        const auto a = wheelNumber(QStringView(parts[0]).mid(4));
        const auto b = wheelNumber(parts[1]);
        if (a && b)
            return QStringLiteral("Diagonal %1–%2 %3, %4").arg(*a).arg(*b).arg(parts[2], parts[3]);
    }
    for (const auto& [prefix, word] : {std::pair{"zone", "Zone"}, std::pair{"Alt", "Alternative"}}) {
        if (name.size() == static_cast<qsizetype>(qstrlen(prefix)) + 1 &&
            name.startsWith(QLatin1String(prefix)) && name.back().isDigit())
            return QLatin1String(word) + QLatin1Char(' ') + name.back();
    }
    return std::nullopt;
}

// The families built around one number n.
std::optional<QString> aroundNumberCaption(const QString& name)
{
    const auto ends = [&name](const char* prefix, int suffixLength) -> std::optional<int> {
        const auto start = static_cast<qsizetype>(qstrlen(prefix));
        if (!name.startsWith(QLatin1String(prefix)) || name.size() <= start + suffixLength)
            return std::nullopt;
        return wheelNumber(QStringView(name).mid(start, name.size() - start - suffixLength));
    };
    if (const auto n = ends("number", 0))
        return QStringLiteral("%1 and its wheel neighbours").arg(*n);
    if (const auto n = ends("NUMBER", 3)) {
        if (const auto i = tripleIndex(QStringView(name).right(3)))
            return QStringLiteral("Wheel distances %1 from %2, both sides")
                .arg(tripleDistances(kTriples[*i]))
                .arg(*n);
    }
    if (name.startsWith(QLatin1String("CKO_")) && name.size() > 6 && name[5] == u'_') {
        for (const auto& [letter, distance] : kPairDistances) {
            const auto n = wheelNumber(QStringView(name).mid(6));
            if (name[4] == QLatin1Char(letter) && n)
                return QStringLiteral("Wheel distance %1 from %2, both sides").arg(distance).arg(*n);
        }
    }
    for (const char* prefix : {"NumL", "NumR", "Num"}) {
        const auto n = ends(prefix, 1);
        if (!n)
            continue;
        const QChar letter = name.back();
        if (qstrlen(prefix) == 3) {
            if (const Band* band = bandFor(kSectorBands, letter))
                return QStringLiteral("Sector %1 around %2: %2, 0 and wheel distances %3")
                    .arg(letter)
                    .arg(*n)
                    .arg(range(*band));
        } else if (const Band* band = bandFor(kRunBands, letter)) {
            return runText(*band, prefix[3] == 'L', QString::number(*n));
        }
    }
    return std::nullopt;
}
} // namespace

QString XBetCaption(const QString& name)
{
    if (const auto it = irregularCaptions().constFind(name); it != irregularCaptions().constEnd())
        return *it;
    if (auto caption = combinedCaption(name))
        return *caption;
    return aroundNumberCaption(name).value_or(QString());
}

QString XBetTooltip(const BetEntry& entry)
{
    QStringList numbers;
    for (const BetClick& click : entry.clicks)
        numbers << (click.clickCount > 1 ? QStringLiteral("%1 ×%2").arg(click.index).arg(click.clickCount)
                                         : QString::number(click.index));
    return XBetCaption(entry.name) + QLatin1Char('\n') + entry.name + QStringLiteral(": ") +
           numbers.join(QStringLiteral(", "));
}

const std::vector<XAroundNumberColumn>& XAroundNumberColumns()
{
    static const std::vector<XAroundNumberColumn> columns = [] {
        std::vector<XAroundNumberColumn> made{{QStringLiteral("Nr"),
                                               QStringLiteral("The number and its two wheel neighbours"),
                                               QStringLiteral("number%1")}};
        for (const Band& band : kSectorBands)
            made.push_back({QString(QLatin1Char(band.letter)),
                            QStringLiteral("Sector %1: the number, 0 and every number at wheel distance %2")
                                .arg(QLatin1Char(band.letter))
                                .arg(range(band)),
                            QStringLiteral("Num%1") + QLatin1Char(band.letter)});
        for (const bool after : {true, false}) {
            for (const Band& band : kRunBands)
                made.push_back({QLatin1String(after ? "L " : "R ") + QLatin1Char(band.letter),
                                runText(band, after, QStringLiteral("the number")),
                                QLatin1String(after ? "NumL%1" : "NumR%1") + QLatin1Char(band.letter)});
        }
        for (const char* letters : kTriples)
            made.push_back({QLatin1String(letters),
                            QStringLiteral("The 6 numbers at wheel distances %1 (A = 1 … R = 18), "
                                           "both sides of the number")
                                .arg(tripleDistances(letters)),
                            QStringLiteral("NUMBER%1") + QLatin1String(letters)});
        for (const auto& [letter, distance] : kPairDistances)
            made.push_back({QString::number(distance),
                            QStringLiteral("The 2 numbers at wheel distance %1, one each side of the number")
                                .arg(distance),
                            QStringLiteral("CKO_") + QLatin1Char(letter) + QStringLiteral("_%1")});
        return made;
    }();
    return columns;
}
