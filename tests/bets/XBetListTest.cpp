#include "bets/XBetList.h"
#include "bets/XPlaybackRun.h"

#include <gtest/gtest.h>

namespace {
XClickGroup group(std::initializer_list<std::pair<std::uint64_t, std::uint64_t>> cells)
{
    XClickGroup g;
    // Each record at (index, count), of event type count: records of one cell told apart.
    for (auto [index, count] : cells) {
        g.push_back(XMouseData::mouseDataWithIndex(index, count));
        g.back().setMousePoint(QPointF(static_cast<double>(index), static_cast<double>(count)));
        g.back().setEventType(static_cast<std::uint32_t>(count));
    }
    return g;
}

std::vector<std::pair<std::uint64_t, std::uint64_t>> cellsOf(const std::vector<XMouseData>& merged)
{
    std::vector<std::pair<std::uint64_t, std::uint64_t>> cells;
    for (const XMouseData& m : merged)
        cells.emplace_back(m.index(), m.clickCount());
    return cells;
}

using Cells = std::vector<std::pair<std::uint64_t, std::uint64_t>>;
} // namespace

// Catches a merge out of order, a cell off the grid clicked, groups changed by merging, and a merged
// cell that takes the first record's point or event type.
TEST(XBetList, MergeSumsPerCellInAscendingOrderAndIgnoresCellsOffTheGrid)
{
    XBetList bet;
    bet.addMouseDatas(group({{17, 1}}), true);
    bet.addMouseDatas(group({{3, 1}}), true);
    bet.addMouseDatas(group({{5, 1}, {5, 1}, {37, 4}, {1000, 1}}), true);
    bet.addMouseDatas(group({{17, 2}, {0, 0}}), true);
    const std::vector<XMouseData> merged = bet.combineAllMouseDatas(37);
    EXPECT_EQ(cellsOf(merged), (Cells{{3, 1}, {5, 2}, {17, 3}}));
    // Of its records, a cell keeps the last one's point and event type.
    EXPECT_TRUE(merged[2].mousePoint() == QPointF(17, 2) && merged[2].eventType() == 2u);
    EXPECT_EQ(bet.groups().size(), 4u);
    // The groups themselves are untouched by the merge.
    EXPECT_EQ(bet.groups()[2][0].clickCount(), 1u);

    bet.addMouseDatas(group({{9, 1}}), false);
    EXPECT_EQ(cellsOf(bet.combineAllMouseDatas(37)), (Cells{{9, 1}}));
}

// Catches click totals that wrap around ("71 of 3 clicks" was seen).
TEST(XBetList, ClickTotalsStopAtTheLargestCountInsteadOfWrapping)
{
    constexpr std::uint64_t kMax = UINT64_MAX;
    XBetList bet;
    bet.addMouseDatas(group({{5, kMax}}), true);
    bet.addMouseDatas(group({{5, 4}, {6, kMax - 3}}), true);
    const std::vector<XMouseData> merged = bet.combineAllMouseDatas(37);
    EXPECT_EQ(cellsOf(merged), (Cells{{5, kMax}, {6, kMax - 3}}));
    EXPECT_EQ(XSumText(merged), QStringLiteral("SUM = 18446744073709551615"));
    // A run of the groups as pressed, before any merge.
    for (const XClickGroup& list : {group({{5, kMax}, {5, 4}}), group({{6, kMax - 3}, {7, 4}})}) {
        XPlaybackRun run;
        run.list = list;
        EXPECT_EQ(run.totalClicks(), INT32_MAX);
    }
}

// Catches undo taking back more than one press, or failing on an empty bet.
TEST(XBetList, UndoTakesBackOnePressAndIsHarmlessOnAnEmptyBet)
{
    XBetList bet;
    bet.removeLastMouseDatas();
    EXPECT_TRUE(bet.isEmpty());
    bet.addMouseDatas(group({{5, 1}}), true);
    bet.addMouseDatas(group({{0, 1}, {3, 1}, {6, 1}}), true);
    bet.removeLastMouseDatas();
    EXPECT_EQ(cellsOf(bet.combineAllMouseDatas(37)), (Cells{{5, 1}}));
}

// Catches reverse clicking a cell of the bet, a cell twice, or skipping one held with no clicks.
TEST(XBetList, ReverseIsEveryOtherCellOnce)
{
    EXPECT_EQ(XReverseMouseDatas({}, 37).size(), 37u);
    std::vector<XMouseData> upTo35;
    for (std::uint64_t i = 0; i <= 35; ++i)
        upTo35.push_back(XMouseData::mouseDataWithIndex(i, 2));
    EXPECT_EQ(cellsOf(XReverseMouseDatas(upTo35, 37)), (Cells{{36, 1}}));
    // A record with no clicks does not take its cell.
    EXPECT_EQ(XReverseMouseDatas({XMouseData::mouseDataWithIndex(7, 0)}, 37).size(), 37u);
}
