#pragma once

#include "XMouseData.h"

#include "geometry/XGraphic.h"

#include <vector>

// The current bet: one click group per button press, in the order of the presses.
class XBetList
{
public:
    const std::vector<XClickGroup>& groups() const { return m_groups; }
    bool isEmpty() const { return m_groups.empty(); }

    // With isAppend false the list is emptied first.
    void addMouseDatas(XClickGroup group, bool isAppend);
    void removeAllMouseDatas() { m_groups.clear(); }
    void removeLastMouseDatas();
    // One record per cell below cellCount that is bet on, ascending index, click counts
    // summed; the point and event type come from the last record for the cell.
    std::vector<XMouseData> combineAllMouseDatas(std::size_t cellCount) const;

private:
    std::vector<XClickGroup> m_groups;
};

// Every cell below cellCount that the bet does not click, once each.
std::vector<XMouseData> XReverseMouseDatas(const std::vector<XMouseData>& bet, std::size_t cellCount);
// The preview's yellow click counts for a merged bet.
std::vector<XGraphicLabel> XClickCountLabels(const std::vector<XMouseData>& merged);
// "SUM = n" for a merged bet.
QString XSumText(const std::vector<XMouseData>& merged);
QString XTotalText(int total);
