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
}

void XWindowDragHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint delta = (event->globalPosition() - m_pressedAt).toPoint();
    if (m_mode == Move) {
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
    m_dragging = false;
    Q_EMIT dragFinished();
}
