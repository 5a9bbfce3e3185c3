#include "XScreenMapping.h"

QPointF XScreenMapping::screenCenterPointForIndex(std::size_t index) const
{
    const QRectF cell = XMaxRectGraphicRect(graphic.graphicRectForIndex(index));
    const QPointF centre(cell.x() + cell.width() * 0.5, cell.y() + cell.height() * 0.5);
    return XWindowPointToDevice(viewFrame, centre, screens);
}

void XScreenMappingChannel::publish(std::shared_ptr<const XScreenMapping> mapping)
{
    const std::lock_guard lock(m_mutex);
    m_current = std::move(mapping);
}

std::shared_ptr<const XScreenMapping> XScreenMappingChannel::current() const
{
    const std::lock_guard lock(m_mutex);
    return m_current;
}

std::function<QPointF(std::size_t)> XCellLocatorFor(std::shared_ptr<const XScreenMappingChannel> channel)
{
    return [channel = std::move(channel)](std::size_t index) {
        return channel->current()->screenCenterPointForIndex(index);
    };
}
