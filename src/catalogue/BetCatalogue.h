#pragma once

#include "BetEntry.h"

#include <QHash>

// The 903 named bets, built once and constant. Entries are listed family by family.
class BetCatalogue
{
public:
    static const BetCatalogue& shared();

    const std::vector<BetEntry>& entries() const { return m_entries; }
    // Nothing for an unknown name.
    const BetEntry* entryNamed(const QString& name) const;

    BetCatalogue();

private:
    std::vector<BetEntry> m_entries;
    QHash<QString, std::size_t> m_byName;
};

// The families, in catalogue order (each appends its entries).
void XAppendWheelNeighbourBets(std::vector<BetEntry>& entries);
void XAppendTableBets(std::vector<BetEntry>& entries);
void XAppendFixedBets(std::vector<BetEntry>& entries);
// Entries whose clicks are once each on the listed numbers.
BetEntry XBetOnNumbers(const QString& name, const std::vector<int>& numbers);
