// What saving as you go costs one button press on the main thread: a press on a real
// button through Qt's window-system path, with and without the saver watching, and the
// saver's own bookkeeping per press. The save itself (state into the store, then the file
// on the writer's thread) runs later and is timed apart.
#include "app/XAppDelegate.h"
#include "app/XAutoSaver.h"
#include "app/XMainWindowViewController.h"
#include "platform/XFakePlatform.h"
#include "platform/XPreferenceStore.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {
void pressButton(benchmark::State& state, bool withSaver)
{
    XFakePlatform platform;
    XAutoSaver saver(platform, [] {});
    // Never due while timing: only the cost on the press is measured.
    saver.setDelays(1000000, 1000000);
    if (withSaver)
        saver.watchApplicationInput();
    QPushButton button(QStringLiteral("17"));
    int pressed = 0;
    QObject::connect(&button, &QPushButton::clicked, [&pressed] { ++pressed; });
    button.resize(80, 40);
    button.show();
    if (!QTest::qWaitForWindowExposed(&button)) {
        state.SkipWithError("the button never showed");
        return;
    }
    QWindow* window = button.windowHandle();
    for (auto _ : state)
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(40, 20));
    state.counters["presses"] = pressed;
}

void BM_ButtonPress(benchmark::State& state)
{
    pressButton(state, false);
}
BENCHMARK(BM_ButtonPress)->Unit(benchmark::kMicrosecond);

void BM_ButtonPressWithSaver(benchmark::State& state)
{
    pressButton(state, true);
}
BENCHMARK(BM_ButtonPressWithSaver)->Unit(benchmark::kMicrosecond);

void BM_NoteChange(benchmark::State& state)
{
    XFakePlatform platform;
    XAutoSaver saver(platform, [] {});
    saver.setDelays(1000000, 1000000);
    for (auto _ : state)
        saver.noteChange();
}
BENCHMARK(BM_NoteChange);

// The main view up with a bet of `presses` presses on one number.
XMainWindowViewController* mainViewWithABetOf(XAppDelegate& delegate, int presses)
{
    delegate.goToMainView();
    XMainWindowViewController* main = delegate.mainViewController();
    auto* button = main->view()->findChild<QPushButton*>(QStringLiteral("numberButton17"));
    for (int i = 0; button && i < presses; ++i)
        button->click();
    return main;
}

// Later, off the press: the whole state into the store (main thread), and the file write
// (the writer's thread), for a main view holding a bet of `range` presses.
void BM_SaveStateIntoStore(benchmark::State& state)
{
    XFakePlatform platform;
    XAppDelegate delegate(platform);
    XMainWindowViewController* main = mainViewWithABetOf(delegate, static_cast<int>(state.range(0)));
    platform.preferences().setSynchronizeDeferred(true);
    for (auto _ : state)
        main->saveState();
    platform.preferences().setSynchronizeDeferred(false);
}
BENCHMARK(BM_SaveStateIntoStore)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_WriteFile(benchmark::State& state)
{
    XFakePlatform platform;
    XAppDelegate delegate(platform);
    XMainWindowViewController* main = mainViewWithABetOf(delegate, static_cast<int>(state.range(0)));
    main->saveState();
    int n = 0;
    for (auto _ : state) {
        // A changed value, so that every write really writes.
        platform.preferences().setInteger(QStringLiteral("benchCounter"), ++n);
        benchmark::DoNotOptimize(platform.preferences().write());
    }
}
BENCHMARK(BM_WriteFile)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);
} // namespace
