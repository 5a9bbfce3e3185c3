#include "XServerWindow.h"

#include <QByteArray>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

XServerWindow::XServerWindow(unsigned long window) : m_display(XOpenDisplay(nullptr)), m_window(window) {}

XServerWindow::~XServerWindow()
{
    if (m_display)
        XCloseDisplay(m_display);
}

std::optional<QRect> XServerWindow::area() const
{
    XWindowAttributes attributes;
    if (!m_display || !XGetWindowAttributes(m_display, m_window, &attributes))
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, m_window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

bool XServerWindow::isViewable() const
{
    XWindowAttributes attributes;
    return m_display && XGetWindowAttributes(m_display, m_window, &attributes) &&
           attributes.map_state == IsViewable;
}

QRegion XServerWindow::inputRegion() const
{
    QRegion region;
    if (!m_display)
        return region;
    int count = 0;
    int ordering = 0;
    XRectangle* rects = XShapeGetRectangles(m_display, m_window, ShapeInput, &count, &ordering);
    for (int i = 0; i < count; ++i)
        region += QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects)
        XFree(rects);
    // The input shape is also cut by the bounding shape.
    XRectangle* bounding = XShapeGetRectangles(m_display, m_window, ShapeBounding, &count, &ordering);
    QRegion shape;
    for (int i = 0; i < count; ++i)
        shape += QRect(bounding[i].x, bounding[i].y, bounding[i].width, bounding[i].height);
    if (bounding)
        XFree(bounding);
    return region & shape;
}

bool XServerWindow::compositorRunning()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    QByteArray name("_NET_WM_CM_S");
    name.append(QByteArray::number(DefaultScreen(display)));
    const bool running = XGetSelectionOwner(display, XInternAtom(display, name.constData(), False)) != None;
    XCloseDisplay(display);
    return running;
}
