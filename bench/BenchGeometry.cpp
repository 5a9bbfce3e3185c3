// Figures for the grid: a full redraw (lines recomputed, cells and handles stroked) into
// a 1920×1080 image, the window shape made from it, and cell-to-screen lookups.
#include "overlay/XGridWindowMainView.h"
#include "platform/XFakePlatform.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {
XGraphic fittedGrid()
{
    // A slightly perspective table, as a real one on the screen often is.
    XGraphic g = XGraphic::graphicWithGraphicRect({{120, 300}, {100, 700}, {1800, 720}, {1790, 290}});
    g.setRowCount(3);
    g.setColumnCount(13);
    g.setZeroZoneWidth(18);
    g.setBorderColor(Qt::red);
    return g;
}

void BM_RedrawGridWithHandles1080p(benchmark::State& state)
{
    XGraphic g = fittedGrid();
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        g.drawGraphic(painter);
        g.drawHandles(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RedrawGridWithHandles1080p)->Unit(benchmark::kMillisecond);

void BM_RecomputeLines(benchmark::State& state)
{
    XGraphic g = fittedGrid();
    for (auto _ : state) {
        g.calculateLinearEquations();
        benchmark::DoNotOptimize(g.rowLines().data());
    }
}
BENCHMARK(BM_RecomputeLines);

void BM_ShapeWindowWhileEditing1080p(benchmark::State& state)
{
    XFakePlatform platform;
    XGridWindowMainView view(platform, QRect(0, 0, 1920, 1080));
    view.graphic() = fittedGrid();
    view.setShapedToPaint(true);
    for (auto _ : state)
        view.setNeedsDisplay();
}
BENCHMARK(BM_ShapeWindowWhileEditing1080p)->Unit(benchmark::kMillisecond);

// Looks up the 37 cells in turn and reports lookups per second.
template <typename Lookup> void lookUpEveryCell(benchmark::State& state, Lookup lookup)
{
    std::size_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup(index));
        index = (index + 1) % 37;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ScreenCenterPointFromPublishedMapping(benchmark::State& state)
{
    XGraphic g = fittedGrid();
    g.calculateLinearEquations();
    const XScreenMapping mapping{QRectF(0, 0, 1920, 1080), {{QRectF(0, 0, 1920, 1080), 1.0}}, g};
    lookUpEveryCell(state, [&mapping](std::size_t i) { return mapping.screenCenterPointForIndex(i); });
}
BENCHMARK(BM_ScreenCenterPointFromPublishedMapping);

void BM_ScreenCenterPointOnTheViewsThread(benchmark::State& state)
{
    XFakePlatform platform;
    XGridWindowMainView view(platform, QRect(0, 0, 1920, 1080));
    view.graphic() = fittedGrid();
    lookUpEveryCell(state, [&view](std::size_t i) { return view.screenCenterPointForIndex(i); });
}
BENCHMARK(BM_ScreenCenterPointOnTheViewsThread);
} // namespace
