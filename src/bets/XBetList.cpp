#include "XBetList.h"

#include <QCoreApplication>

#include "platform/XLog.h"

void XBetList::addMouseDatas(XClickGroup group, bool isAppend)
{
    if (!isAppend)
        m_groups.clear();
    m_groups.push_back(std::move(group));
}

void XBetList::removeLastMouseDatas()
{
    if (!m_groups.empty())
        m_groups.pop_back();
}

std::vector<XMouseData> XBetList::combineAllMouseDatas(std::size_t cellCount) const
{
    std::vector<XMouseData> cells;
    cells.reserve(cellCount);
    for (std::size_t i = 0; i < cellCount; ++i)
        cells.push_back(XMouseData::mouseDataWithIndex(i, 0));
    for (const XClickGroup& group : m_groups) {
        for (const XMouseData& record : group) {
            if (record.index() >= cellCount)
                continue;
            XMouseData& cell = cells[record.index()];
            cell.setClickCount(XAddClickCounts(cell.clickCount(), record.clickCount()));
            cell.setEventType(record.eventType());
            cell.setMousePoint(record.mousePoint());
        }
    }
    std::erase_if(cells, [](const XMouseData& slot) { return slot.clickCount() == 0; });
    return cells;
}

std::vector<XMouseData> XReverseMouseDatas(const std::vector<XMouseData>& bet, std::size_t cellCount)
{
    std::vector<bool> taken(cellCount, false);
    for (const XMouseData& record : bet) {
        if (record.clickCount() != 0 && record.index() < cellCount)
            taken[record.index()] = true;
    }
    std::vector<XMouseData> reverse;
    for (std::size_t i = 0; i < cellCount; ++i) {
        if (!taken[i]) {
            XLogIn(lcTrace(), "%ld,", static_cast<long>(i));
            reverse.push_back(XMouseData::mouseDataWithIndex(i, 1));
        }
    }
    return reverse;
}

std::vector<XGraphicLabel> XClickCountLabels(const std::vector<XMouseData>& merged)
{
    std::vector<XGraphicLabel> labels;
    for (const XMouseData& record : merged) {
        if (record.clickCount() != 0)
            labels.push_back({static_cast<long>(record.index()),
                              QString::asprintf("%ld", static_cast<long>(record.clickCount()))});
    }
    return labels;
}

QString XSumText(const std::vector<XMouseData>& merged)
{
    std::uint64_t sum = 0;
    for (const XMouseData& record : merged)
        sum = XAddClickCounts(sum, record.clickCount());
    // Unsigned: a sum past a long's range is no negative number.
    return QCoreApplication::translate("XBetList", "SUM = %1").arg(static_cast<qulonglong>(sum));
}

QString XTotalText(int total)
{
    return QCoreApplication::translate("XBetList", "Total:%1").arg(total);
}
