#include "XCommandLine.h"

#include "catalogue/BetCatalogue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
bool wantsNoWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--list-bets" || arg == "--help" || arg == "-h" || arg == "--help-all" ||
            arg == "--version" || arg == "-v")
            return true;
    }
    return false;
}

QString pairsOf(const BetEntry& entry)
{
    QStringList pairs;
    for (const BetClick& click : entry.clicks) {
        pairs << (click.clickCount > 1 ? QStringLiteral("%1*%2").arg(click.index).arg(click.clickCount)
                                       : QString::number(click.index));
    }
    return pairs.join(QLatin1Char(' '));
}
} // namespace

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

std::optional<QString> XAccountServiceOption(int argc, char** argv)
{
    const QByteArray option("--account-service");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == option)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (arg.startsWith(QByteArray(option + '=')))
            return QString::fromLocal8Bit(arg.mid(option.size() + 1));
    }
    return std::nullopt;
}

std::optional<int> XRunCommandLine(int argc, char** argv)
{
    if (!wantsNoWindow(argc, argv))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tableclick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Places roulette bets on a table another program shows."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("list-bets"),
         QStringLiteral("Print the named bets (all, or those named) and the cells each one clicks.")});
    parser.addOption({QStringLiteral("account-service"),
                      QStringLiteral("Use the account service at URL (https://…) from now on; the default is the "
                                     "local service at https://localhost:5000."),
                      QStringLiteral("URL")});
    parser.addPositionalArgument(QStringLiteral("names"), QStringLiteral("Bet names for --list-bets."),
                                 QStringLiteral("[NAME…]"));
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return XListBets(parser.positionalArguments(), out, err);
}
