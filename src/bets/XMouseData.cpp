#include "XMouseData.h"

XMouseData XMouseData::mouseDataWithIndex(std::uint64_t index, std::uint64_t clickCount)
{
    XMouseData data;
    data.m_index = index;
    data.m_clickCount = clickCount;
    return data;
}

bool XMouseData::isEqual(const XMouseData& o) const
{
    return m_index == o.m_index && m_eventType == o.m_eventType && m_clickCount == o.m_clickCount &&
           m_mousePoint.x() == o.m_mousePoint.x() && m_mousePoint.y() == o.m_mousePoint.y();
}

QString XMouseData::description() const
{
    return QString::asprintf("No%02ld: clickPoint(%.2f,%.2f)  clickCount:%ld", static_cast<long>(m_index),
                             m_mousePoint.x(), m_mousePoint.y(), static_cast<long>(m_clickCount));
}
