#include "XSidePanelPlacement.h"

#include "XAreaFit.h"

#include <cmath>
#include <tuple>
#include <vector>

namespace {
long long areaOf(const QRegion& region)
{
    long long area = 0;
    for (const QRect& r : region)
        area += static_cast<long long>(r.width()) * r.height();
    return area;
}

// The gap between two boxes, 0 when they touch or overlap.
double gapBetween(const QRect& a, const QRect& b)
{
    const int dx = std::max({0, b.left() - (a.left() + a.width()), a.left() - (b.left() + b.width())});
    const int dy = std::max({0, b.top() - (a.top() + a.height()), a.top() - (b.top() + b.height())});
    return std::hypot(dx, dy);
}
} // namespace

QRect XSidePanelArea(const QRect& window, const QSize& panel, const QSize& smallest, const QRegion& keepClear,
                     const QRect& screen)
{
    // Alongside the grid, slid to stay on the screen.
    const int top = XClampedStart(window.top(), panel.height(), screen.top(), screen.height());
    const int left = XClampedStart(window.left(), panel.width(), screen.left(), screen.width());
    for (const QRect& side : {QRect(QPoint(window.left() + window.width(), top), panel),
                              QRect(QPoint(window.left() - panel.width(), top), panel),
                              QRect(QPoint(left, window.top() + window.height()), panel),
                              QRect(QPoint(left, window.top() - panel.height()), panel)}) {
        if (screen.contains(side))
            return side;
    }
    // No side has room: a best place starts at an edge of the screen, of the window or of
    // something to keep in sight.
    const QRect clear = keepClear.boundingRect();
    using Score = std::tuple<long long, long long, double>;
    const auto bestOfSize = [&](const QSize& size) {
        std::vector<int> xs{screen.left(), screen.left() + screen.width() - size.width(),
                            window.left() + window.width(), window.left() - size.width()};
        std::vector<int> ys{screen.top(), screen.top() + screen.height() - size.height(), window.top(),
                            window.top() + window.height(), window.top() - size.height()};
        for (const QRect& r : keepClear) {
            xs.insert(xs.end(), {r.left() + r.width(), r.left() - size.width()});
            ys.insert(ys.end(), {r.top() + r.height(), r.top() - size.height()});
        }
        std::pair<QRect, Score> best{};
        for (const int x : xs) {
            for (const int y : ys) {
                const QRect place(XClampedStart(x, size.width(), screen.left(), screen.width()),
                                  XClampedStart(y, size.height(), screen.top(), screen.height()),
                                  size.width(), size.height());
                const Score score{areaOf(keepClear & place), areaOf(QRegion(window) & place),
                                  -gapBetween(place, clear)};
                if (best.first.isNull() || score < best.second)
                    best = {place, score};
            }
        }
        return best;
    };
    const int height = std::min(panel.height(), std::max(1, smallest.height()));
    const auto widest = bestOfSize({panel.width(), height});
    for (int width = panel.width() - 1; std::get<0>(widest.second) > 0 && width >= smallest.width();
         --width) {
        const auto narrower = bestOfSize({width, height});
        if (std::get<0>(narrower.second) == 0)
            return narrower.first;
    }
    return widest.first;
}
