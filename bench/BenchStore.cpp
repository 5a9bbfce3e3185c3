// Figures for the store of saved bets: the time to load and to save 10 000 and 100 000
// saved bets (six cells each, as a bet on a number's neighbours), through the preference
// file, and the resident memory the loaded bets add. Also the bet panel opening on such a
// store, which fills its saved-bet table.
#include "bets/XArchiving.h"
#include "bets/panel/XGridManagerViewController.h"
#include "platform/XFakePlatform.h"
#include "platform/XPreferenceStore.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

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

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

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
    double added = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        const auto bets = load(file);
        added = std::max(added, residentMegabytes() - before);
        benchmark::DoNotOptimize(bets.data());
        if (bets.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("bets lost");
    }
    state.counters["added_RSS_MB"] = added;
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
    double added = 0;
    for (auto _ : state) {
        platform.reopenPreferences();
        const double before = residentMegabytes();
        auto controller = std::make_unique<XGridManagerViewController>(platform);
        controller->view();
        added = std::max(added, residentMegabytes() - before);
        state.PauseTiming();
        controller.reset(); // saves the same bets again
        state.ResumeTiming();
    }
    state.counters["added_RSS_MB"] = added;
}
BENCHMARK(BM_OpenBetPanelOnSavedBets)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
