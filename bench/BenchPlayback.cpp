// Plays a 37-cell bet at the shortest pause into the click target on the current X display
// and prints how long it took against the floor of 37 × (200 µs + 1 ms), how far each pause
// the target saw was from the asked one, and what xdotool takes for the same 37 clicks;
// then a mouse-action list of 100 clicks against its floor of 100 × (300 µs + 1 ms).
#include "../tests/e2e/ClickLog.h"
#include "../tests/e2e/DesktopSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kCells = 37;
constexpr int kRounds = 5;
constexpr double kFloorMicros = kCells * (200.0 + 1000.0);
// From one press to the next: down, 100 µs, up, 100 µs, then the 1 ms pause. Measured press
// to press, so that the target's own delay in reading each event cancels out.
constexpr double kAskedPeriodMicros = 1200.0;
constexpr int kActions = 100;
// Down, drag and up with 100 µs after each, then 1 ms.
constexpr double kActionFloorMicros = kActions * (300.0 + 1000.0);

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// Press-to-press periods of the last `clicks` clicks in the log.
std::vector<double> periods(const ClickLog& log, std::size_t clicks)
{
    const auto presses = log.ofKind(QStringLiteral("press"));
    std::vector<double> gaps;
    for (std::size_t i = presses.size() - clicks; i + 1 < presses.size(); ++i)
        gaps.push_back(static_cast<double>(presses[i + 1]->micros - presses[i]->micros));
    return gaps;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!DesktopSession::hasDisplay() || argc < 3) {
        std::fprintf(stderr, "usage (on an X display): bench_playback CLICK_TARGET PLAYBACK_DRIVER\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("clicks.log"));
    DesktopSession session;
    session.start(
        QString::fromLocal8Bit(argv[1]),
        {QStringLiteral("--area"), QStringLiteral("100,200,1300,420"), QStringLiteral("--log"), logPath});
    if (!DesktopSession::waitFor([&] { return ClickLog::read(logPath).table.has_value(); }, 10000)) {
        std::fprintf(stderr, "the click target did not start\n");
        return 1;
    }
    const QRect table = *ClickLog::read(logPath).table;
    QStringList cells;
    for (int i = 0; i < kCells; ++i)
        cells << QString::number(i);

    std::vector<double> totals, deviations, spans, holds;
    for (int round = 0; round < kRounds; ++round) {
        QProcess& driver =
            session.start(QString::fromLocal8Bit(argv[2]),
                          {QStringLiteral("--table"),
                           QStringLiteral("%1,%2,%3,%4")
                               .arg(table.x())
                               .arg(table.y())
                               .arg(table.width())
                               .arg(table.height()),
                           QStringLiteral("--group"), cells.join(QLatin1Char(',')), QStringLiteral("--play"),
                           QStringLiteral("all"), QStringLiteral("--delay"), QStringLiteral("0")});
        driver.waitForFinished(60000);
        const QString out = QString::fromLocal8Bit(driver.readAllStandardOutput());
        totals.push_back(out.section(QLatin1Char(' '), 1).trimmed().toDouble());
        QThread::msleep(300);
        const ClickLog log = ClickLog::read(logPath);
        for (double period : periods(log, kCells))
            deviations.push_back(period - kAskedPeriodMicros);
        const auto presses = log.ofKind(QStringLiteral("press"));
        const auto releases = log.ofKind(QStringLiteral("release"));
        spans.push_back(
            static_cast<double>(releases.back()->micros - presses[presses.size() - kCells]->micros));
        for (std::size_t i = presses.size() - kCells; i < presses.size(); ++i)
            holds.push_back(static_cast<double>(releases[i]->micros - presses[i]->micros));
    }

    // xdotool: the same 37 cell centres, one process, --delay 1 (ms) between down and up.
    QStringList xdotool;
    for (int i = 0; i < kCells; ++i) {
        const int column = i == 0 ? 0 : (i + 2) / 3;
        const int row = i == 0 ? 1 : 2 - (i - 1) % 3;
        const double w = table.width() / 13.0, h = table.height() / 3.0;
        xdotool << QStringLiteral("mousemove") << QString::number(qRound(table.x() + (column + 0.5) * w))
                << QString::number(qRound(table.y() + (row + 0.5) * h)) << QStringLiteral("click")
                << QStringLiteral("--delay") << QStringLiteral("1") << QStringLiteral("1");
    }
    QElapsedTimer timer;
    timer.start();
    DesktopSession::run(QStringLiteral("xdotool"), xdotool);
    const double xdotoolMicros = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    QThread::msleep(300);
    const ClickLog afterXdotool = ClickLog::read(logPath);

    // A mouse-action list: 100 points over the table, left and right alternating.
    QStringList actions;
    for (int i = 0; i < kActions; ++i)
        actions << QStringLiteral("%1:%2:1:%3")
                       .arg(table.x() + 10 + (i % 50) * (table.width() - 20) / 50)
                       .arg(table.y() + 20 + (i / 50) * (table.height() - 40))
                       .arg(i % 2 ? 3 : 1);
    std::vector<double> actionTotals;
    std::size_t actionPresses = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::size_t before = ClickLog::read(logPath).ofKind(QStringLiteral("press")).size();
        QProcess& driver = session.start(
            QString::fromLocal8Bit(argv[2]),
            {QStringLiteral("--table"),
             QStringLiteral("%1,%2,%3,%4").arg(table.x()).arg(table.y()).arg(table.width()).arg(table.height()),
             QStringLiteral("--play"), QStringLiteral("actions"), QStringLiteral("--actions"),
             actions.join(QLatin1Char(';'))});
        driver.waitForFinished(60000);
        actionTotals.push_back(
            QString::fromLocal8Bit(driver.readAllStandardOutput()).section(QLatin1Char(' '), 1).trimmed().toDouble());
        QThread::msleep(300);
        actionPresses += ClickLog::read(logPath).ofKind(QStringLiteral("press")).size() - before;
    }

    const double total = percentile(totals, 0.5);
    std::printf("37-cell bet at the shortest pause, %d rounds on %s\n", kRounds,
                qgetenv("DISPLAY").constData());
    std::printf("  total time (median)            %10.0f µs\n", total);
    std::printf("  floor 37 × (200 µs + 1 ms)     %10.0f µs\n", kFloorMicros);
    std::printf("  ratio to the floor             %10.3f\n", total / kFloorMicros);
    std::printf("  first press to last release    %10.0f µs (median)\n", percentile(spans, 0.5));
    std::printf("  press to release seen, median  %10.0f µs (asked 100; the target reads both at once)\n",
                percentile(holds, 0.5));
    std::printf("  pause seen − asked, median     %10.0f µs (press to press, asked 1200 µs)\n",
                percentile(deviations, 0.5));
    std::printf("  pause seen − asked, 99th pct   %10.0f µs\n", percentile(deviations, 0.99));
    std::printf("  xdotool, same 37 clicks        %10.0f µs (%zu presses seen)\n", xdotoolMicros,
                afterXdotool.ofKind(QStringLiteral("press")).size() -
                    static_cast<std::size_t>(kRounds * kCells));
    std::printf("  Tableclick vs xdotool          %10.2f× faster\n", xdotoolMicros / total);
    const double actionTotal = percentile(actionTotals, 0.5);
    std::printf("Mouse-action list of %d clicks (drag, 1 ms after each), %d rounds\n", kActions, kRounds);
    std::printf("  total time (median)            %10.0f µs\n", actionTotal);
    std::printf("  floor 100 × (300 µs + 1 ms)    %10.0f µs\n", kActionFloorMicros);
    std::printf("  ratio to the floor             %10.3f\n", actionTotal / kActionFloorMicros);
    std::printf("  presses seen                   %10zu of %d\n", actionPresses, kActions * kRounds);
    return 0;
}
