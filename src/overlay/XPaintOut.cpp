#include "XPaintOut.h"

#include <vector>

void XPaintOutRects(QImage& image, const std::vector<QRect>& rects)
{
    if (image.isNull() || rects.empty())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<unsigned char> hidden(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    std::vector<QPoint> pending;
    for (const QRect& r : rects) {
        const QRect inside = r.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                unsigned char& h = hidden[static_cast<std::size_t>(y) * w + x];
                if (!h)
                    pending.emplace_back(x, y);
                h = 1;
            }
        }
    }
    const auto isHidden = [&](int x, int y) { return hidden[static_cast<std::size_t>(y) * w + x] != 0; };
    while (!pending.empty()) {
        std::vector<std::pair<QPoint, QRgb>> filled;
        std::vector<QPoint> still;
        for (const QPoint p : pending) {
            int r = 0, g = 0, b = 0, n = 0;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + d;
                if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || isHidden(q.x(), q.y()))
                    continue;
                const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(q.y()))[q.x()];
                r += qRed(c);
                g += qGreen(c);
                b += qBlue(c);
                ++n;
            }
            if (n > 0)
                filled.emplace_back(p, qRgb(r / n, g / n, b / n));
            else
                still.push_back(p);
        }
        // A region that covers the whole image has nothing to take colours from.
        if (filled.empty())
            return;
        // Each ring takes its colours from outside it only, so the fill does not smear one way.
        for (const auto& [p, c] : filled) {
            reinterpret_cast<QRgb*>(image.scanLine(p.y()))[p.x()] = c;
            hidden[static_cast<std::size_t>(p.y()) * w + p.x()] = 0;
        }
        pending = std::move(still);
    }
}
