#include "XPanelWindowPublisher.h"

#include "bets/XPlaybackControls.h"
#include "platform/XPlatform.h"

#include <QEvent>
#include <QWidget>

XPanelWindowPublisher::XPanelWindowPublisher(QWidget& panel, XPlatform& platform,
                                             std::shared_ptr<XPlaybackControls> controls)
    : QObject(&panel), m_panel(panel), m_platform(platform), m_controls(std::move(controls))
{
    m_panel.installEventFilter(this);
    publish();
}

bool XPanelWindowPublisher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show:
        // Follow the window that holds the panel, whichever it is.
        if (watched == &m_panel && m_panel.window() != m_watchedWindow) {
            if (m_watchedWindow)
                m_watchedWindow->removeEventFilter(this);
            m_watchedWindow = m_panel.window();
            m_watchedWindow->installEventFilter(this);
        }
        publish();
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Move:
    case QEvent::Resize:
        publish();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void XPanelWindowPublisher::publish()
{
    const QWidget* window = m_panel.window();
    const QRectF frame(window->frameGeometry());
    const auto screens = m_platform.screens();
    m_controls->setPanelWindow(window->isActiveWindow(),
                               QRectF(XLogicalToDevicePoint(frame.topLeft(), screens),
                                      XLogicalToDevicePoint(frame.bottomRight() + QPointF(1, 1), screens)));
}
