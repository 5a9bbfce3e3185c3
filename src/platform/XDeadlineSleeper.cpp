#include "XDeadlineSleeper.h"

#include <condition_variable>
#include <mutex>
#include <sys/prctl.h>
#include <time.h>

namespace {
using namespace std::chrono_literals;

void sleepUntil(std::chrono::steady_clock::time_point deadline)
{
    const auto since = deadline.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    timespec ts{
        static_cast<time_t>(seconds.count()),
        static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count())};
    // steady_clock is CLOCK_MONOTONIC on Linux.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
    }
}

} // namespace

void XSleepUntilExactly(std::chrono::steady_clock::time_point deadline, std::chrono::microseconds spin)
{
    if (deadline - std::chrono::steady_clock::now() > spin)
        sleepUntil(deadline - spin);
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

void XDeadlineSleeper::mark()
{
    m_mark = Clock::now();
    m_marked = true;
}

void XDeadlineSleeper::markFirstEvent()
{
    if (!m_marked)
        mark();
}

std::optional<XDeadlineSleeper::Clock::time_point> XDeadlineSleeper::deadlineFor(std::int64_t micros)
{
    const auto now = Clock::now();
    if (!m_marked)
        mark();
    const auto deadline = m_mark + std::chrono::microseconds(micros);
    if (deadline <= now) {
        m_mark = now;
        return std::nullopt;
    }
    return deadline;
}

void XDeadlineSleeper::sleepMicroseconds(std::int64_t micros, std::stop_token stop)
{
    const auto due = deadlineFor(micros);
    if (!due)
        return;
    const auto deadline = *due;
    const auto now = Clock::now();
    // Long pauses wait where a stop request can end them; the last stretch is slept
    // precisely.
    if (deadline - now > 2ms) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_until(lock, stop, deadline - 1ms, [] { return false; });
        if (stop.stop_requested())
            return;
    }
    XSleepUntilExactly(deadline, m_spinStretch);
    reached(deadline);
}

void XUseFineTimerSlack()
{
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}
