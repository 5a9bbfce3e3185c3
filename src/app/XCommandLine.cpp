#include "XCommandLine.h"

#include "catalogue/BetCatalogue.h"

#include <QTextStream>

namespace {
QString pairsOf(const BetEntry& entry)
{
    QStringList pairs;
    for (const BetClick& click : entry.clicks) {
        pairs << (click.clickCount > 1 ? QStringLiteral("%1*%2").arg(click.index).arg(click.clickCount)
                                       : QString::number(click.index));
    }
    return pairs.join(QLatin1Char(' '));
}

// Qt's own options that take a value; QApplication reads them after us.
bool isQtOptionWithValue(const QString& option)
{
    static const QStringList options{QStringLiteral("-platform"),   QStringLiteral("-platformpluginpath"),
                                     QStringLiteral("-platformtheme"), QStringLiteral("-plugin"),
                                     QStringLiteral("-display"),    QStringLiteral("-style"),
                                     QStringLiteral("-stylesheet"), QStringLiteral("-session"),
                                     QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowtitle"),
                                     QStringLiteral("-qwindowicon"), QStringLiteral("-name")};
    return options.contains(option);
}

bool isQtSwitch(const QString& option)
{
    static const QStringList switches{QStringLiteral("-reverse"), QStringLiteral("-nograb"),
                                      QStringLiteral("-dograb"), QStringLiteral("-sync")};
    return switches.contains(option);
}

XCommandLineRequest badUsage(const QString& problem)
{
    XCommandLineRequest request;
    request.kind = XCommandLineRequest::Kind::BadUsage;
    request.problem = problem;
    return request;
}
} // namespace

QString XUsageText()
{
    return QStringLiteral(
        "Usage: tableclick [OPTION…]\n"
        "Places roulette bets on a table another program shows.\n"
        "\n"
        "  -h, --help                 Show this help and exit.\n"
        "  -v, --version              Show the version and exit.\n"
        "  --list-bets [NAME…]        Print the named bets (all, or those named) and the\n"
        "                             cells each one clicks, and exit.\n"
        "  --find-table               Look for a roulette table on every monitor, print the\n"
        "                             grid layout for each one found, and exit (1: none).\n"
        "  --account-service URL      Use the account service at URL (https://…) from now\n"
        "                             on; the default is the local service at\n"
        "                             https://localhost:5000.\n"
        "  --language LANG            Show Tableclick in LANG: en (English) or zh_CN\n"
        "                             (Simplified Chinese); the default follows the\n"
        "                             desktop's language.\n"
        "  -platform NAME, -display DISPLAY, -style NAME, -session ID\n"
        "                             Qt's own options.\n"
        "\n"
        "Exit status: 0 ok, 1 no X display (--find-table: no table), 2 wrong usage,\n"
        "3 already running.\n");
}

XCommandLineRequest XParseCommandLine(const QStringList& arguments)
{
    XCommandLineRequest request;
    bool listBets = false;
    bool help = false;
    bool version = false;
    bool findTable = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const auto valueOf = [&](const QString& option) -> std::optional<QString> {
            if (arg.startsWith(option + QLatin1Char('=')))
                return arg.mid(option.size() + 1);
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        if (arg == QLatin1String("--list-bets")) {
            listBets = true;
        } else if (arg == QLatin1String("--find-table")) {
            findTable = true;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help") ||
                   arg == QLatin1String("--help-all")) {
            help = true;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
            version = true;
        } else if (arg == QLatin1String("--account-service") || arg.startsWith(QLatin1String("--account-service="))) {
            request.accountService = valueOf(QStringLiteral("--account-service"));
            if (!request.accountService)
                return badUsage(QStringLiteral("--account-service needs a URL"));
        } else if (arg == QLatin1String("--language") || arg.startsWith(QLatin1String("--language="))) {
            request.language = valueOf(QStringLiteral("--language"));
            if (!request.language)
                return badUsage(QStringLiteral("--language needs a language, such as en or zh_CN"));
        } else if (isQtOptionWithValue(arg)) {
            if (i + 1 >= arguments.size())
                return badUsage(QStringLiteral("%1 needs a value").arg(arg));
            const QString value = arguments[++i];
            if (arg == QLatin1String("-platform"))
                request.platform = value;
            else if (arg == QLatin1String("-display"))
                request.display = value;
        } else if (isQtSwitch(arg)) {
            continue;
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            return badUsage(QStringLiteral("unknown option %1").arg(arg));
        } else if (listBets) {
            request.betNames << arg;
        } else {
            return badUsage(QStringLiteral("unexpected argument \"%1\" (bet names go after --list-bets)").arg(arg));
        }
    }
    if (help)
        request.kind = XCommandLineRequest::Kind::Help;
    else if (version)
        request.kind = XCommandLineRequest::Kind::Version;
    else if (listBets)
        request.kind = XCommandLineRequest::Kind::ListBets;
    else if (findTable)
        request.kind = XCommandLineRequest::Kind::FindTable;
    return request;
}

int XAnswerCommandLine(const XCommandLineRequest& request, QTextStream& out, QTextStream& err)
{
    switch (request.kind) {
    case XCommandLineRequest::Kind::Help:
        out << XUsageText();
        return 0;
    case XCommandLineRequest::Kind::Version:
        out << "tableclick " << PROJECT_VERSION << '\n';
        return 0;
    case XCommandLineRequest::Kind::ListBets:
        return XListBets(request.betNames, out, err);
    case XCommandLineRequest::Kind::BadUsage:
        err << "tableclick: " << request.problem << "\n\n" << XUsageText();
        return 2;
    case XCommandLineRequest::Kind::Start:
    case XCommandLineRequest::Kind::FindTable:
        break;
    }
    return 0;
}

int XListBets(const QStringList& names, QTextStream& out, QTextStream& err)
{
    const BetCatalogue& catalogue = BetCatalogue::shared();
    if (names.isEmpty()) {
        for (const BetEntry& entry : catalogue.entries())
            out << entry.name << '\t' << pairsOf(entry) << '\n';
        return 0;
    }
    int status = 0;
    for (const QString& name : names) {
        if (const BetEntry* entry = catalogue.entryNamed(name)) {
            out << entry->name << '\t' << pairsOf(*entry) << '\n';
        } else {
            err << "tableclick: no bet named \"" << name << "\" (tableclick --list-bets lists them all)\n";
            status = 2;
        }
    }
    return status;
}
