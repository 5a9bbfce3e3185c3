#include "XLog.h"

#include <chrono>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>
#include <unistd.h>

void XLog(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char message[1024];
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);

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
