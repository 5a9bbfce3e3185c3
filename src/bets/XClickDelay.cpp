#include "XClickDelay.h"

#include "XArchiving.h"

namespace {
constexpr std::int64_t kShortestPause = 1000;
// A day: a longer pause is surely a typo, and beyond it the product overflows.
constexpr double kLongestPause = 86400.0e6;
} // namespace

std::int64_t XClickDelayMicroseconds(const QString& text)
{
    const float milliseconds = static_cast<float>(XLeadingNumber(text));
    const double micros = static_cast<double>(milliseconds * 1000.0f);
    if (!(micros > 0))
        return kShortestPause;
    return static_cast<std::int64_t>(std::min(micros, kLongestPause));
}
