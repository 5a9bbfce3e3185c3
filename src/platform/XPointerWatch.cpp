#include "XPointerWatch.h"

#include <algorithm>
#include <cmath>

void XPointerWatch::looked(std::optional<QPointF> pointer)
{
    if (!pointer)
        return;
    const double seen =
        m_expected ? std::hypot(pointer->x() - m_expected->x(), pointer->y() - m_expected->y()) : 0.0;
    m_total += std::max(seen, m_reportedSinceLook);
    m_reportedSinceLook = 0;
    // The next look counts from here: a pointer left where the user put it is counted once.
    m_expected = pointer;
}
