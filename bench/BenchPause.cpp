// How precisely a playback thread keeps its pauses: 1 ms pauses through the deadline
// sleeper with different stretches waited out awake at the end, and what each costs in
// processor time. On an X display it also times the pointer check made before each click.
#include "platform/XDeadlineSleeper.h"
#include "platform/XX11MousePoster.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kPauses = 2000;
constexpr std::int64_t kPauseMicros = 1000;

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

double threadCpuMicros()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

void measureSleeper(std::chrono::microseconds spin)
{
    XDeadlineSleeper sleeper(spin);
    std::vector<double> late;
    sleeper.markFirstEvent();
    auto previous = Clock::now();
    const double cpuBefore = threadCpuMicros();
    for (int i = 0; i < kPauses; ++i) {
        sleeper.sleepMicroseconds(kPauseMicros, {});
        const auto now = Clock::now();
        // Return to return: each pause counts from where the one before ended.
        late.push_back(std::chrono::duration<double, std::micro>(now - previous).count() - kPauseMicros);
        previous = now;
    }
    const double cpu = (threadCpuMicros() - cpuBefore) / kPauses;
    std::printf("  awake for the last %3lld µs: late median %6.1f µs, p99 %6.1f µs, max %7.1f µs, "
                "processor %5.1f µs per pause\n",
                static_cast<long long>(spin.count()), percentile(late, 0.5), percentile(late, 0.99),
                percentile(late, 1.0), cpu);
}
} // namespace

int main()
{
    XUseFineTimerSlack();
    std::printf("%d pauses of %lld µs, each counted from the end of the one before\n", kPauses,
                static_cast<long long>(kPauseMicros));
    for (const auto spin : {std::chrono::microseconds(0), std::chrono::microseconds(50),
                            XDeadlineSleeper::kDefaultSpinStretch, std::chrono::microseconds(250)})
        measureSleeper(spin);

    if (!std::getenv("DISPLAY"))
        return 0;
    XX11MousePoster poster({});
    if (!poster.isUsable())
        return 0;
    constexpr int kQueries = 2000;
    std::vector<double> costs;
    for (int i = 0; i < kQueries; ++i) {
        const auto start = Clock::now();
        poster.pointerPosition();
        costs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("pointer check before a click (XQueryPointer round trip), %d times: median %.1f µs, "
                "p99 %.1f µs\n",
                kQueries, percentile(costs, 0.5), percentile(costs, 0.99));
    return 0;
}
