#include "XBetCaption.h"

#include "BetEntry.h"
#include "XWheelBands.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <optional>

namespace {
using namespace XWheelBands;

// The captions' words and sentences, looked up in the user's language when shown.
struct Caption
{
    Q_DECLARE_TR_FUNCTIONS(XBetCaption)
};

// Names whose caption no rule gives.
const QHash<QString, const char*>& irregularCaptions()
{
    static const QHash<QString, const char*> captions{
        {QStringLiteral("RED"), QT_TRANSLATE_NOOP("XBetCaption", "Red")},
        {QStringLiteral("BLACK"), QT_TRANSLATE_NOOP("XBetCaption", "Black")},
        {QStringLiteral("EVEN"), QT_TRANSLATE_NOOP("XBetCaption", "Even")},
        {QStringLiteral("ODD"), QT_TRANSLATE_NOOP("XBetCaption", "Odd")},
        {QStringLiteral("SMALL"), QT_TRANSLATE_NOOP("XBetCaption", "1st dozen (1–12)")},
        {QStringLiteral("MIDDLE"), QT_TRANSLATE_NOOP("XBetCaption", "2nd dozen (13–24)")},
        {QStringLiteral("LARGE"), QT_TRANSLATE_NOOP("XBetCaption", "3rd dozen (25–36)")},
        {QStringLiteral("TOP4T"), QT_TRANSLATE_NOOP("XBetCaption", "Top row")},
        {QStringLiteral("TOP4M"), QT_TRANSLATE_NOOP("XBetCaption", "Middle row")},
        {QStringLiteral("TOP4B"), QT_TRANSLATE_NOOP("XBetCaption", "Bottom row")},
        {QStringLiteral("TOPexmpt"), QT_TRANSLATE_NOOP("XBetCaption", "Next to the top row")},
        {QStringLiteral("MIDexmpt"), QT_TRANSLATE_NOOP("XBetCaption", "Next to the middle row")},
        {QStringLiteral("BOTMexmpt"), QT_TRANSLATE_NOOP("XBetCaption", "Next to the bottom row")},
        {QStringLiteral("Num111"), QT_TRANSLATE_NOOP("XBetCaption", "10 to 19")},
        {QStringLiteral("Num222"), QT_TRANSLATE_NOOP("XBetCaption", "20 to 29")},
        {QStringLiteral("Num333"), QT_TRANSLATE_NOOP("XBetCaption", "28 to 36")},
        {QStringLiteral("zoneCross"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross")},
        {QStringLiteral("zoneCross0n5"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross 0 and 5")},
        {QStringLiteral("zoneCrossXdown"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross, down")},
        {QStringLiteral("zoneCrossXup"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross, up")},
        {QStringLiteral("zoneCrossXleft"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross, left")},
        {QStringLiteral("zoneCrossXright"), QT_TRANSLATE_NOOP("XBetCaption", "Zone cross, right")},
        {QStringLiteral("special10238"), QT_TRANSLATE_NOOP("XBetCaption", "Special 10·23·8")},
        {QStringLiteral("special151935"), QT_TRANSLATE_NOOP("XBetCaption", "Special 15·19·35")},
        {QStringLiteral("special221133"), QT_TRANSLATE_NOOP("XBetCaption", "Special 22·11·33")},
        {QStringLiteral("special28729"), QT_TRANSLATE_NOOP("XBetCaption", "Special 28·7·29")},
        {QStringLiteral("special2214"), QT_TRANSLATE_NOOP("XBetCaption", "Special 2·21·4")},
        {QStringLiteral("NumRound159"), QT_TRANSLATE_NOOP("XBetCaption", "Round 1·5·9")},
        {QStringLiteral("NumRound1318"), QT_TRANSLATE_NOOP("XBetCaption", "Round 13·18")},
        {QStringLiteral("NumRound2022"), QT_TRANSLATE_NOOP("XBetCaption", "Round 20·22")},
        {QStringLiteral("NumRound2628"), QT_TRANSLATE_NOOP("XBetCaption", "Round 26·28")},
        {QStringLiteral("NumRound247"), QT_TRANSLATE_NOOP("XBetCaption", "Round 2·4·7")},
        {QStringLiteral("NumRound1517"), QT_TRANSLATE_NOOP("XBetCaption", "Round 15·17")},
        {QStringLiteral("NumRound3036"), QT_TRANSLATE_NOOP("XBetCaption", "Round 30·36")},
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
    return Caption::tr("%1, %2 and %3").arg(at(0), at(1), at(2));
}

QString runText(const Band& band, bool after, const QString& subject)
{
    const QString text = after ? Caption::tr("%1 numbers %2 places after %3 on the wheel")
                               : Caption::tr("%1 numbers %2 places before %3 on the wheel");
    return text.arg(band.to - band.from + 1).arg(range(band), subject);
}

// "Red in 1st dozen", "Even of top row, with neighbours", "Wheel's left half, odd",
// "Diagonal 11–12 even, left": the table and wheel families whose names combine words.
std::optional<QString> combinedCaption(const QString& name)
{
    static const std::pair<const char*, const char*> kinds[] = {
        {"RED", QT_TRANSLATE_NOOP("XBetCaption", "Red")},
        {"BLK", QT_TRANSLATE_NOOP("XBetCaption", "Black")},
        {"BLACK", QT_TRANSLATE_NOOP("XBetCaption", "Black")},
        {"ODD", QT_TRANSLATE_NOOP("XBetCaption", "Odd")},
        {"EVEN", QT_TRANSLATE_NOOP("XBetCaption", "Even")}};
    static const std::pair<const char*, const char*> rows[] = {
        {"TOP", QT_TRANSLATE_NOOP("XBetCaption", "top")},
        {"MID", QT_TRANSLATE_NOOP("XBetCaption", "middle")},
        {"BOTM", QT_TRANSLATE_NOOP("XBetCaption", "bottom")}};
    static const char* const dozens[] = {QT_TRANSLATE_NOOP("XBetCaption", "1st"),
                                         QT_TRANSLATE_NOOP("XBetCaption", "2nd"),
                                         QT_TRANSLATE_NOOP("XBetCaption", "3rd")};
    for (const auto& [prefix, word] : kinds) {
        if (!name.startsWith(QLatin1String(prefix)))
            continue;
        const QStringView rest = QStringView(name).mid(static_cast<qsizetype>(qstrlen(prefix)));
        if (rest.size() == 1 && rest[0] >= u'1' && rest[0] <= u'3')
            return Caption::tr("%1 in %2 dozen")
                .arg(Caption::tr(word), Caption::tr(dozens[rest[0].unicode() - u'1']));
        for (const auto& [row, rowWord] : rows) {
            if (rest == QLatin1String(row))
                return Caption::tr("%1 of %2 row, with neighbours")
                    .arg(Caption::tr(word), Caption::tr(rowWord));
        }
    }
    static const std::pair<const char*, const char*> halves[] = {
        {"TOP", QT_TRANSLATE_NOOP("XBetCaption", "top")},
        {"BOTM", QT_TRANSLATE_NOOP("XBetCaption", "bottom")},
        {"LEFT", QT_TRANSLATE_NOOP("XBetCaption", "left")},
        {"RIGHT", QT_TRANSLATE_NOOP("XBetCaption", "right")}};
    for (const auto& [prefix, word] : halves) {
        for (const char* parity :
             {QT_TRANSLATE_NOOP("XBetCaption", "even"), QT_TRANSLATE_NOOP("XBetCaption", "odd")}) {
            if (name == QLatin1String(prefix) + QLatin1String(parity))
                return Caption::tr("Wheel's %1 half, %2").arg(Caption::tr(word), Caption::tr(parity));
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
            return Caption::tr("Diagonal %1–%2 %3, %4")
                .arg(*a)
                .arg(*b)
                .arg(Caption::tr(qPrintable(parts[2])), Caption::tr(qPrintable(parts[3])));
    }
    for (const auto& [prefix, text] :
         {std::pair{"zone", QT_TRANSLATE_NOOP("XBetCaption", "Zone %1")},
          std::pair{"Alt", QT_TRANSLATE_NOOP("XBetCaption", "Alternative %1")}}) {
        if (name.size() == static_cast<qsizetype>(qstrlen(prefix)) + 1 &&
            name.startsWith(QLatin1String(prefix)) && name.back().isDigit())
            return Caption::tr(text).arg(name.back());
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
        return Caption::tr("%1 and its wheel neighbours").arg(*n);
    if (const auto n = ends("NUMBER", 3)) {
        if (const auto i = tripleIndex(QStringView(name).right(3)))
            return Caption::tr("Wheel distances %1 from %2, both sides")
                .arg(tripleDistances(kTriples[*i]))
                .arg(*n);
    }
    if (name.startsWith(QLatin1String("CKO_")) && name.size() > 6 && name[5] == u'_') {
        for (const auto& [letter, distance] : kPairDistances) {
            const auto n = wheelNumber(QStringView(name).mid(6));
            if (name[4] == QLatin1Char(letter) && n)
                return Caption::tr("Wheel distance %1 from %2, both sides").arg(distance).arg(*n);
        }
    }
    for (const char* prefix : {"NumL", "NumR", "Num"}) {
        const auto n = ends(prefix, 1);
        if (!n)
            continue;
        const QChar letter = name.back();
        if (qstrlen(prefix) == 3) {
            if (const Band* band = bandFor(kSectorBands, letter))
                return Caption::tr("Sector %1 around %2: %2, 0 and wheel distances %3")
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
        return Caption::tr(*it);
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

std::vector<XAroundNumberColumn> XAroundNumberColumns()
{
    std::vector<XAroundNumberColumn> made{{Caption::tr("Nr"),
                                           Caption::tr("The number and its two wheel neighbours"),
                                           QStringLiteral("number%1")}};
    for (const Band& band : kSectorBands)
        made.push_back({QString(QLatin1Char(band.letter)),
                        Caption::tr("Sector %1: the number, 0 and every number at wheel distance %2")
                            .arg(QLatin1Char(band.letter))
                            .arg(range(band)),
                        QStringLiteral("Num%1") + QLatin1Char(band.letter)});
    for (const bool after : {true, false}) {
        for (const Band& band : kRunBands)
            made.push_back({QLatin1String(after ? "L " : "R ") + QLatin1Char(band.letter),
                            runText(band, after, Caption::tr("the number")),
                            QLatin1String(after ? "NumL%1" : "NumR%1") + QLatin1Char(band.letter)});
    }
    for (const char* letters : kTriples)
        made.push_back({QLatin1String(letters),
                        Caption::tr("The 6 numbers at wheel distances %1 (A = 1 … R = 18), "
                                    "both sides of the number")
                            .arg(tripleDistances(letters)),
                        QStringLiteral("NUMBER%1") + QLatin1String(letters)});
    for (const auto& [letter, distance] : kPairDistances)
        made.push_back(
            {QString::number(distance),
             Caption::tr("The 2 numbers at wheel distance %1, one each side of the number").arg(distance),
             QStringLiteral("CKO_") + QLatin1Char(letter) + QStringLiteral("_%1")});
    return made;
}
