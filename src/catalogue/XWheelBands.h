#pragma once

#include <utility>

// The distances behind the families built around one number, shared by the catalogue and
// the captions that explain it.
namespace XWheelBands {
struct Band
{
    char letter;
    int from;
    int to;
};
// Wheel distances of the sectors around a number (with 0 and the number itself).
inline constexpr Band kSectorBands[] = {{'C', 1, 6}, {'H', 5, 11}, {'M', 10, 15}, {'P', 13, 18}};
// Places of the runs after (L) and before (R) a number.
inline constexpr Band kRunBands[] = {{'C', 1, 7}, {'H', 6, 12}, {'M', 11, 17}, {'P', 16, 22}};
// Three distances each, A = 1 … R = 18.
inline constexpr const char* kTriples[] = {"ABC", "DEF", "GHI", "JKL", "MNO", "PQR"};
inline constexpr std::pair<char, int> kPairDistances[] = {{'C', 3}, {'K', 11}, {'O', 15}};
} // namespace XWheelBands
