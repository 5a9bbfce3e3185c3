#pragma once

#include "geometry/XGraphic.h"
#include "platform/XScreenInfo.h"

#include <QRectF>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// What it takes to turn a cell index into a point on the screen: where the view is,
// the monitors, and the grid with its lines computed. Immutable once published, so a
// playback thread can read it while the main thread edits the grid.
struct XScreenMapping
{
    QRectF viewFrame; // global logical coordinates, top-left origin
    std::vector<XScreenInfo> screens;
    XGraphic graphic;

    // The centre of the cell's bounding box as a global point in device pixels.
    QPointF screenCenterPointForIndex(std::size_t index) const;
};

// Where the main thread publishes the current mapping and playback threads read it. Shared,
// so that a reader never outlives it.
class XScreenMappingChannel
{
public:
    void publish(std::shared_ptr<const XScreenMapping> mapping);
    std::shared_ptr<const XScreenMapping> current() const;

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<const XScreenMapping> m_current = std::make_shared<const XScreenMapping>();
};

// A cell-to-screen function for playback threads: reads the channel at each call.
std::function<QPointF(std::size_t)> XCellLocatorFor(std::shared_ptr<const XScreenMappingChannel> channel);
