#include "XFakePlatform.h"

#include <QWidget>

XFakePlatform::XFakePlatform() : m_screens{{QRectF(0, 0, 1920, 1080), 1.0}} {}

QRectF XFakePlatform::windowFrame(const QWidget& widget) const
{
    return m_frames.value(&widget, QRectF(widget.geometry()));
}

bool XFakePlatform::windowAcceptsMouse(const QWidget&) const
{
    return m_acceptsMouse;
}
