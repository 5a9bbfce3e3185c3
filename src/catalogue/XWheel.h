#pragma once

#include <array>
#include <cstdint>

// The single-zero wheel, taken as a cycle (26 is followed by 0).
namespace XWheel {
inline constexpr std::array<int, 37> kOrder{0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                            36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                            31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

int position(int number);
// The number `places` after the given one (before it when negative).
int after(int number, int places);
bool isRed(int number);
} // namespace XWheel
