#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// What the command line asks for. Qt's own options (-platform, -display, -style, -session…)
// are left for QApplication.
struct XCommandLineRequest
{
    enum class Kind
    {
        Start,
        ListBets,
        // Needs the display: answered once the application runs.
        FindTable,
        Help,
        Version,
        BadUsage
    };
    Kind kind = Kind::Start;
    QStringList betNames;
    std::optional<QString> accountService;
    // --language NAME: which translation to show instead of the desktop's language.
    std::optional<QString> language;
    // -platform NAME or -display NAME, when given.
    std::optional<QString> platform;
    std::optional<QString> display;
    // BadUsage: what was wrong, for the user.
    QString problem;
};

// `arguments` without the program name.
XCommandLineRequest XParseCommandLine(const QStringList& arguments);
QString XUsageText();

// Answers a request that needs no window (everything but Start) and gives the exit status.
int XAnswerCommandLine(const XCommandLineRequest& request, QTextStream& out, QTextStream& err);

// "name<TAB>pairs" for each named entry (all entries when none is named), pairs written
// "index" or "index*count"; unknown names are reported on err, and the answer is then 2.
int XListBets(const QStringList& names, QTextStream& out, QTextStream& err);
