// Finding the table in a picture of a crowded 1920×1080 or 3840×2160 desktop, at scale 1 and 2,
// upright, turned and in perspective; worst_px is how far the worst corner or line end found is
// from the truth.
#include "BusyDesktop.h"
#include "FoundTableError.h"
#include "RouletteTable.h"
#include "overlay/XTableFinder.h"

#include <benchmark/benchmark.h>

namespace {
struct Pose
{
    double degrees, narrowing;
};
const Pose Poses[] = {{0, 0}, {8, 0}, {-3, 0.15}};

void BM_FindTable(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const double scale = static_cast<double>(state.range(1));
    const Pose pose = Poses[state.range(2)];
    const QRectF area(QPointF(80, 200) * scale, QSizeF(880, 270) * scale);
    const std::vector<RouletteTable> tables{RouletteTable::fitted(area, pose.degrees, pose.narrowing, scale)};
    const QImage image = desktopWithTables(QSize(width, width * 9 / 16), tables, 3);
    XTableSearch search;
    for (auto _ : state)
        search = XFindTables(image);
    if (search.tables.size() != 1) {
        state.SkipWithError("the table was not found");
        return;
    }
    state.counters["worst_px"] = worstLineError(search.tables.front(), tables.front());
}
BENCHMARK(BM_FindTable)
    ->ArgNames({"width", "scale", "pose"})
    ->ArgsProduct({{1920, 3840}, {1, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
} // namespace
