#include "XStoredBounds.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Stored geometry may lie this many virtual screens from the origin.
constexpr double kFactor = 4.0;
// A 4K monitor: the extent assumed when no monitor is known.
constexpr double kUnknownExtent = 3840.0;
} // namespace

XStoredBounds::XStoredBounds(double extent)
    : m_limit(kFactor * (std::isfinite(extent) && extent > 0 ? extent : kUnknownExtent))
{
}

XStoredBounds XStoredBounds::forScreens(const std::vector<XScreenInfo>& screens)
{
    double extent = 0;
    for (const XScreenInfo& screen : screens) {
        const QRectF& g = screen.geometry;
        extent = std::max({extent, std::abs(g.left()), std::abs(g.top()), std::abs(g.left() + g.width()),
                           std::abs(g.top() + g.height()), g.width(), g.height()});
    }
    return XStoredBounds(extent);
}

XStoredBounds XStoredBounds::ofDesktop()
{
    std::vector<XScreenInfo> screens;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens())
            screens.push_back({QRectF(screen->geometry()), screen->devicePixelRatio()});
    }
    return forScreens(screens);
}

bool XStoredBounds::containsCoordinate(double value) const
{
    return std::abs(value) <= m_limit; // false for NaN
}

bool XStoredBounds::containsPoint(QPointF point) const
{
    return containsCoordinate(point.x()) && containsCoordinate(point.y());
}

bool XStoredBounds::containsSize(double value) const
{
    return value >= 0 && value <= m_limit;
}

bool XStoredBounds::containsRect(const QRectF& rect) const
{
    return containsPoint(rect.topLeft()) && containsSize(rect.width()) && containsSize(rect.height());
}

bool XIsFiniteAsFloat(double value)
{
    return std::abs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

bool XFitsGrid(double value, double gridExtent)
{
    return XIsFiniteAsFloat(value) && std::abs(value) <= gridExtent;
}
