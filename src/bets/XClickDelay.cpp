#include "XClickDelay.h"

#include "XArchiving.h"

#include <QRegularExpression>

namespace {
constexpr std::int64_t kShortestPause = 1000;
// A day: a longer pause is surely a typo, and beyond it the product overflows.
constexpr double kLongestPause = 86400.0e6;
constexpr std::int64_t kLongestPauseMilliseconds = 86400000;
} // namespace

std::int64_t XClickDelayMicroseconds(const QString& text)
{
    const float milliseconds = static_cast<float>(XLeadingNumber(text));
    const double micros = static_cast<double>(milliseconds * 1000.0f);
    if (!(micros > 0))
        return kShortestPause;
    return static_cast<std::int64_t>(std::min(micros, kLongestPause));
}

std::optional<double> XClickDelayMilliseconds(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([0-9]+(\\.[0-9]*)?|\\.[0-9]+)\\s*$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double milliseconds = XLeadingNumber(text);
    if (milliseconds < 1 || milliseconds > static_cast<double>(kLongestPauseMilliseconds))
        return std::nullopt;
    return milliseconds;
}

std::int64_t XClickDelayStoredValue(const QString& text)
{
    return XClickDelayMicroseconds(text) / 1000;
}

bool XIsStoredClickDelay(std::int64_t milliseconds)
{
    return milliseconds >= 1 && milliseconds <= kLongestPauseMilliseconds;
}

QString XClickDelayText(std::int64_t milliseconds)
{
    return QString::asprintf("%ld", static_cast<long>(milliseconds));
}
