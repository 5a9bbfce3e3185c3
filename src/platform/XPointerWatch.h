#pragma once

#include <QPointF>

#include <optional>

// How far the user may nudge the pointer, in all, before a run takes it as "stop", in
// device pixels.
constexpr double kPointerMovedTolerance = 6.0;

// Adds up how far the user moved the pointer while runs click: from looks at the pointer
// (it is not where the last click left it) and from the device's own motion reports, which
// still tell after the next click has put the pointer back. Small moves add up.
class XPointerWatch
{
public:
    // Where a posted event put the pointer.
    void placed(QPointF devicePoint) { m_expected = devicePoint; }
    // A motion report of the user's own device, by how far it moved.
    void reported(double distance) { m_reportedSinceLook += distance; }
    // A look at the pointer (nothing: it could not be told).
    void looked(std::optional<QPointF> pointer);
    // A look and the reports since the previous look name the same motion: counted once.
    double total() const { return m_total + m_reportedSinceLook; }
    bool movedTooFar() const { return total() > kPointerMovedTolerance; }

private:
    std::optional<QPointF> m_expected;
    double m_total = 0;
    double m_reportedSinceLook = 0;
};
