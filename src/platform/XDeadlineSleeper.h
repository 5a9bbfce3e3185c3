#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>

// Sleeps to absolute deadlines, each pause counted from where the previous one ended,
// so the intervals between the events in between are what was asked, not more. A pause
// that is already over when it is asked (posting took longer) is skipped, and the next
// one counts from now.
class XDeadlineSleeper
{
public:
    // The scheduler wakes a sleeper up to a few hundred µs late now and then; the last
    // stretch before each deadline is waited out awake instead.
    static constexpr std::chrono::microseconds kDefaultSpinStretch{120};
    explicit XDeadlineSleeper(std::chrono::microseconds spinStretch = kDefaultSpinStretch)
        : m_spinStretch(spinStretch)
    {
    }

    using Clock = std::chrono::steady_clock;

    // Called as an event is posted: the first one is where the first pause counts from.
    void markFirstEvent();
    void sleepMicroseconds(std::int64_t micros, std::stop_token stop);

    // For a caller that waits its own way: where a pause of `micros` ends (nothing when it
    // is over already; the next one then counts from now), and, once it has been waited
    // out, `reached` with it.
    std::optional<Clock::time_point> deadlineFor(std::int64_t micros);
    void reached(Clock::time_point deadline) { m_mark = deadline; }
    std::chrono::microseconds spinStretch() const { return m_spinStretch; }

private:
    Clock::time_point m_mark{};
    bool m_marked = false;
    std::chrono::microseconds m_spinStretch;

    void mark();
};

// Waits awake through the last `spin` before the deadline, asleep before it.
void XSleepUntilExactly(std::chrono::steady_clock::time_point deadline, std::chrono::microseconds spin);

// Asks the kernel for the finest timer slack on the calling thread.
void XUseFineTimerSlack();
