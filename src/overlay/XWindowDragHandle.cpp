#include "XWindowDragHandle.h"

#include <QMouseEvent>

XWindowDragHandle::XWindowDragHandle(Mode mode, const QString& text, QWidget* target, QWidget* parent)
    : QLabel(text, parent), m_mode(mode), m_target(target)
{
    setCursor(mode == Move ? Qt::SizeAllCursor : Qt::SizeFDiagCursor);
}

void XWindowDragHandle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressedAt = event->globalPosition();
    // move() places the frame, where there is one.
    m_startGeometry = QRect(m_target->pos(), m_target->size());
    m_grabbedAt = QPointF(mapTo(m_target, QPoint(0, 0))) + event->position();
}

void XWindowDragHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        follow(*event);
}

void XWindowDragHandle::follow(const QMouseEvent& event)
{
    const QPoint delta = (event.globalPosition() - m_pressedAt).toPoint();
    if (m_mode == Move && m_screens && m_target->isAncestorOf(this)) {
        const auto screens = m_screens();
        const QPointF pointer = XLogicalToDevicePoint(event.globalPosition(), screens);
        const QPoint topLeft =
            XWindowTopLeftShowing(m_grabbedAt, pointer, m_target->size(), screens).toPoint();
        m_target->move(m_target->pos() + topLeft - m_target->geometry().topLeft());
    } else if (m_mode == Move) {
        m_target->move(m_startGeometry.topLeft() + delta);
    } else {
        m_target->resize(
            (m_startGeometry.size() + QSize(delta.x(), delta.y())).expandedTo(m_minimumWindowSize));
    }
}

void XWindowDragHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    // The last moves may come no sooner than the release: the window goes where it was let go.
    follow(*event);
    m_dragging = false;
    Q_EMIT dragFinished();
}
