// Figures for the store of saved bets: the time to load and to save 10 000 and 100 000
// saved bets (six cells each, as a bet on a number's neighbours), through the preference
// file, and the heap the loading takes at its peak and keeps. Also the bet panel opening on such a
// store, which fills its saved-bet table, and the panel saving again as the user goes.
#include "bets/XArchiving.h"
#include "panel/XGridManagerViewController.h"
#include "platform/XFakePlatform.h"
#include "platform/XPreferenceStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <malloc.h>
#include <thread>

namespace {
const XStoredBounds kBounds = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0}});

std::vector<XTableMouseData> savedBets(std::size_t count)
{
    std::vector<XTableMouseData> bets(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::vector<XMouseData> records;
        for (std::uint64_t k = 0; k < 6; ++k)
            records.push_back(XMouseData::mouseDataWithIndex((i + 5 * k) % 37, 1 + k % 3));
        bets[i].setMouseDatas(std::move(records));
        bets[i].setNote(QStringLiteral("Note %1").arg(i));
    }
    return bets;
}

const std::function<QByteArray(const XTableMouseData&)> archiveBet = XArchiveTableMouseData;

void save(const QString& file, const std::vector<XTableMouseData>& bets)
{
    XPreferenceStore store(file);
    store.setObject(kXGridManagerViewControllerTableMouseDatasKey,
                    XArchivesToVariant(archivedData(bets, archiveBet)));
    store.synchronize();
}

std::vector<XTableMouseData> load(const QString& file)
{
    XPreferenceStore store(file);
    const auto archives =
        XArchivesFromVariant(store.objectForKey(kXGridManagerViewControllerTableMouseDatasKey));
    return unArchivedData<XTableMouseData>(*archives, [](const QByteArray& archive) {
        return XUnarchiveTableMouseDataWithin(archive, kBounds);
    });
}

double heapMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

// The most heap in use while it lives, above what was in use when it began, sampled every
// millisecond (resident memory would hide what earlier rounds left to malloc).
class PeakHeap
{
public:
    PeakHeap()
        : m_baseline(heapMegabytes()), m_peak(m_baseline), m_sampler([this](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  sample();
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          })
    {
    }
    double added()
    {
        sample();
        return m_peak.load() - m_baseline;
    }

private:
    void sample()
    {
        const double now = heapMegabytes();
        double peak = m_peak.load();
        while (now > peak && !m_peak.compare_exchange_weak(peak, now)) {
        }
    }
    const double m_baseline;
    std::atomic<double> m_peak;
    std::jthread m_sampler;
};

void BM_SaveSavedBets(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("store.conf"));
    const auto bets = savedBets(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        QFile::remove(file);
        save(file, bets);
    }
    state.counters["file_MB"] = static_cast<double>(QFile(file).size()) / 1e6;
}
BENCHMARK(BM_SaveSavedBets)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadSavedBets(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("store.conf"));
    save(file, savedBets(static_cast<std::size_t>(state.range(0))));
    double peak = 0;
    double held = 0;
    for (auto _ : state) {
        PeakHeap heap;
        const double before = heapMegabytes();
        const auto bets = load(file);
        held = heapMegabytes() - before;
        peak = std::max(peak, heap.added());
        benchmark::DoNotOptimize(bets.data());
        if (bets.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("bets lost");
    }
    state.counters["peak_heap_MB"] = peak;
    state.counters["held_MB"] = held;
}
BENCHMARK(BM_LoadSavedBets)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The archives alone, without the preference file.
void BM_EncodeSavedBets(benchmark::State& state)
{
    const auto bets = savedBets(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(archivedData(bets, archiveBet).size());
}
BENCHMARK(BM_EncodeSavedBets)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DecodeSavedBets(benchmark::State& state)
{
    const QList<QByteArray> archives =
        archivedData(savedBets(static_cast<std::size_t>(state.range(0))), archiveBet);
    for (auto _ : state) {
        const auto bets = unArchivedData<XTableMouseData>(archives, [](const QByteArray& archive) {
            return XUnarchiveTableMouseDataWithin(archive, kBounds);
        });
        benchmark::DoNotOptimize(bets.data());
    }
}
BENCHMARK(BM_DecodeSavedBets)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The bet panel opening on the store: its keys read and its saved-bet table filled.
void BM_OpenBetPanelOnSavedBets(benchmark::State& state)
{
    XFakePlatform platform;
    save(platform.preferencesFile(), savedBets(static_cast<std::size_t>(state.range(0))));
    double peak = 0;
    for (auto _ : state) {
        platform.reopenPreferences();
        PeakHeap heap;
        auto controller = std::make_unique<XGridManagerViewController>(platform);
        controller->view();
        peak = std::max(peak, heap.added());
        state.PauseTiming();
        controller.reset(); // saves the same bets again
        state.ResumeTiming();
    }
    state.counters["peak_heap_MB"] = peak;
}
BENCHMARK(BM_OpenBetPanelOnSavedBets)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The open panel saving again after the user changed one note, as saving as the user goes
// does on the main thread: the file is written by another thread, so it is not written
// here. first_save_ms is the first save after opening, which encodes every saved bet.
void BM_SaveAgainAfterOneNoteChanged(benchmark::State& state)
{
    const auto count = static_cast<int>(state.range(0));
    XFakePlatform platform;
    save(platform.preferencesFile(), savedBets(static_cast<std::size_t>(count)));
    platform.reopenPreferences();
    XGridManagerViewController controller(platform);
    controller.view();
    platform.preferences().setSynchronizeDeferred(true);
    const double before = heapMegabytes();
    const auto start = std::chrono::steady_clock::now();
    controller.saveFileData();
    state.counters["first_save_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["held_after_first_save_MB"] = heapMegabytes() - before;
    int edits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++edits;
        controller.endEditing((edits * 7919) % count, QStringLiteral("Edited %1").arg(edits));
        state.ResumeTiming();
        controller.saveFileData();
    }
    platform.preferences().setSynchronizeDeferred(false);
}
BENCHMARK(BM_SaveAgainAfterOneNoteChanged)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
} // namespace
