#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// What the command line asks for without a window: help, the version, or the catalogue.
// Nothing when the application is to start.
std::optional<int> XRunCommandLine(int argc, char** argv);

// The value of --account-service URL (or --account-service=URL), when given.
std::optional<QString> XAccountServiceOption(int argc, char** argv);

// "name<TAB>pairs" for each named entry (all entries when none is named), pairs written
// "index" or "index*count"; unknown names are reported on err, and the answer is then 2.
int XListBets(const QStringList& names, QTextStream& out, QTextStream& err);
