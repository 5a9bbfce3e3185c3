#pragma once

#include "bets/XMouseData.h"

#include <QString>

#include <vector>

// What the Lists view says of a list: one line per action, its place, point, clicks and
// the mouse button it clicks with, so that lists of the same points tell apart.
QString XActionListText(const std::vector<XMouseData>& records);
