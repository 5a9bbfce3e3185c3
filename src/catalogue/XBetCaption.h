#pragma once

#include <QString>

#include <vector>

struct BetEntry;

// What a player reads for a catalogue bet instead of its internal name: "Top row",
// "Diagonal 11–12 even, left", "Sector C around 17: …". Empty for a name no rule
// knows.
QString XBetCaption(const QString& name);
// The caption, then the catalogue name and its numbers (a number clicked several times
// as "23 ×5").
QString XBetTooltip(const BetEntry& entry);

// One column of the bets around a number: its short header, what it holds, and the entry
// name for a number n (`namePattern.arg(n)`).
struct XAroundNumberColumn
{
    QString label;
    QString tip;
    QString namePattern;
};
// The number itself (its neighbours), the sectors, the runs after and before it, the
// distance triples and the distance pairs, in the order they are shown; in the language
// installed when asked.
std::vector<XAroundNumberColumn> XAroundNumberColumns();
