#pragma once

#include "RouletteTable.h"
#include "overlay/XTableFinder.h"

#include <QLineF>

#include <algorithm>
#include <functional>

// How far, in pixels, the worst of a found table's corners and line ends is from `truth`: where
// column line j meets row line i.
inline double worstLineError(const XFoundTable& found, const std::function<QPointF(int j, int i)>& truth)
{
    double worst = 0;
    const auto check = [&](QPointF seen, int j, int i) {
        worst = std::max(worst, QLineF(seen, truth(j, i)).length());
    };
    for (int j = 0; j <= 13; ++j) {
        check(found.columnTop[j], j, 0);
        check(found.columnBottom[j], j, 3);
    }
    for (int i = 0; i <= 3; ++i) {
        check(found.rowLeft[i], 0, i);
        check(found.rowRight[i], 13, i);
    }
    return worst;
}

inline double worstLineError(const XFoundTable& found, const RouletteTable& truth)
{
    return worstLineError(found, [&](int j, int i) { return truth.at(j, i); });
}
