#include "XWheel.h"

#include <algorithm>

namespace XWheel {
int position(int number)
{
    return static_cast<int>(std::find(kOrder.begin(), kOrder.end(), number) - kOrder.begin());
}

int after(int number, int places)
{
    const int p = ((position(number) + places) % 37 + 37) % 37;
    return kOrder[static_cast<std::size_t>(p)];
}

bool isRed(int number)
{
    static constexpr std::array<int, 18> reds{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                              19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(reds.begin(), reds.end(), number) != reds.end();
}
} // namespace XWheel
