// One edit-state drag step of the grid at 1920×1080 and 3840×2160: the mouse moves the
// whole grid (or one corner) by a pixel, the view works out what changed and Qt repaints
// and flushes it.
// The window's shape is not touched while editing; the snapshot of the table is behind it.
#include "overlay/XGridWindowMainView.h"
#include "platform/XFakePlatform.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {
void send(QWidget& view, QEvent::Type type, QPointF at)
{
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

void BM_EditDragStep(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    XFakePlatform platform;
    platform.setScreens({{QRectF(0, 0, width, height), 1.0}});
    QImage table(width, height, QImage::Format_RGB32);
    table.fill(QColor(0, 90, 30));
    platform.setScreenImage(table);
    XGridWindowMainView view(platform, QRect(0, 0, width, height));
    view.setShapedToPaint(true);
    // A slightly perspective table over most of the screen, as a real one often is.
    const double s = width / 1920.0;
    view.graphic().setGraphicRect(
        {{120 * s, 300 * s}, {100 * s, 700 * s}, {1800 * s, 720 * s}, {1790 * s, 290 * s}});
    view.graphic().setZeroZoneWidth(18 * s);
    view.captureScreenBehind();
    view.show();
    QCoreApplication::processEvents();

    // Inside a cell, or on the top-left corner's handle.
    QPointF at = state.range(1) == 0 ? QPointF(700 * s, 500 * s) : QPointF(120 * s, 300 * s);
    send(view, QEvent::MouseButtonPress, at);
    double step = 1;
    for (auto _ : state) {
        at += QPointF(step, 0);
        step = -step;
        send(view, QEvent::MouseMove, at);
        QCoreApplication::processEvents(); // the repaint of what changed, and its flush
    }
    send(view, QEvent::MouseButtonRelease, at);
}
BENCHMARK(BM_EditDragStep)
    ->ArgNames({"width", "corner"})
    ->Args({1920, 0})
    ->Args({3840, 0})
    ->Args({1920, 1})
    ->Args({3840, 1})
    ->Unit(benchmark::kMillisecond);
} // namespace
