#include "XScreenMapping.h"

QPointF XScreenMapping::screenCenterPointForIndex(std::size_t index) const
{
    const QRectF cell = XMaxRectGraphicRect(graphic.graphicRectForIndex(index));
    const QPointF centre(cell.x() + cell.width() * 0.5, cell.y() + cell.height() * 0.5);
    return XLogicalToDevicePoint(viewFrame.topLeft() + centre, screens);
}
