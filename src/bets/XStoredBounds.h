#pragma once

#include "platform/XScreenInfo.h"

#include <QPointF>
#include <QRectF>

#include <vector>

// How far geometry read from the store may reach. A layout saved on another set of
// monitors still loads; a damaged one cannot make a window, a grid or a click point that
// lies screens away, so nothing that paints or hit-tests it costs more than a few screens.
class XStoredBounds
{
public:
    // Monitors spanning `extent` logical pixels from the origin, on their widest axis.
    explicit XStoredBounds(double extent);
    // The virtual screen of these monitors; with none, a large monitor's.
    static XStoredBounds forScreens(const std::vector<XScreenInfo>& screens);
    // The monitors Qt knows now (a large monitor's when there is no application yet).
    static XStoredBounds ofDesktop();

    // Coordinates lie within ±limit, sizes within 0 … limit.
    double limit() const { return m_limit; }
    bool containsCoordinate(double value) const;
    bool containsPoint(QPointF point) const;
    bool containsSize(double value) const;
    bool containsRect(const QRectF& rect) const;

private:
    double m_limit;
};

// Finite in the single precision that geometry takes some values in.
bool XIsFiniteAsFloat(double value);
// A gap or the zero zone's widening within a grid whose corners span `gridExtent` on their
// widest axis: |value| ≤ gridExtent.
bool XFitsGrid(double value, double gridExtent);
