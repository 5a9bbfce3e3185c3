#include "XLog.h"

#include <chrono>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcTableclick, "tableclick")
Q_LOGGING_CATEGORY(lcTrace, "tableclick.trace")
Q_LOGGING_CATEGORY(lcAccounts, "tableclick.accounts")
Q_LOGGING_CATEGORY(lcHotKeys, "tableclick.hotkeys")
Q_LOGGING_CATEGORY(lcAccountService, "tableclick.accountd")

namespace {
// The line is written here rather than by Qt's message handler, whose pattern would
// change the lines' fixed format.
void writeLine(const char* format, va_list args)
{
    char message[1024];
    std::vsnprintf(message, sizeof message, format, args);

    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() % 1000000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    // One fprintf per line keeps lines from different threads whole.
    std::fprintf(stderr, "%s.%06ld %s[%d] %s\n", stamp, static_cast<long>(micros), program_invocation_short_name,
                 static_cast<int>(getpid()), message);
}
} // namespace

void XLogIn(const QLoggingCategory& category, const char* format, ...)
{
    if (!category.isInfoEnabled())
        return;
    va_list args;
    va_start(args, format);
    writeLine(format, args);
    va_end(args);
}

void XLog(const char* format, ...)
{
    if (!lcTableclick().isInfoEnabled())
        return;
    va_list args;
    va_start(args, format);
    writeLine(format, args);
    va_end(args);
}
