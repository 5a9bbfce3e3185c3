#include "BetCatalogue.h"

const BetCatalogue& BetCatalogue::shared()
{
    static const BetCatalogue catalogue;
    return catalogue;
}

BetCatalogue::BetCatalogue()
{
    m_entries.reserve(903);
    XAppendWheelNeighbourBets(m_entries);
    XAppendTableBets(m_entries);
    XAppendFixedBets(m_entries);
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_byName.insert(m_entries[i].name, i);
}

const BetEntry* BetCatalogue::entryNamed(const QString& name) const
{
    const auto it = m_byName.constFind(name);
    return it == m_byName.constEnd() ? nullptr : &m_entries[*it];
}

BetEntry XBetOnNumbers(const QString& name, const std::vector<int>& numbers)
{
    BetEntry entry{name, {}};
    for (int n : numbers)
        entry.clicks.push_back({static_cast<std::uint64_t>(n), 1});
    return entry;
}
