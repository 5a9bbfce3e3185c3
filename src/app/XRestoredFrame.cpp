#include "XRestoredFrame.h"

#include "overlay/XAreaFit.h"

QRect XRestoredFrame(const QRect& saved, const std::vector<XMonitorArea>& monitors)
{
    for (const XMonitorArea& monitor : monitors) {
        if (monitor.geometry.contains(saved.center()))
            return XKeptInside(saved, monitor.available);
    }
    if (monitors.empty())
        return saved;
    const QRect& primary = monitors.front().available;
    QRect frame(QPoint(0, 0), saved.size().boundedTo(primary.size()));
    frame.moveCenter(primary.center());
    return XKeptInside(frame, primary);
}
