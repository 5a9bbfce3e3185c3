#pragma once

#include "platform/XScreenInfo.h"

#include <QLabel>

#include <functional>
#include <vector>

// A control that moves a window, or resizes it from the bottom-right corner, when dragged:
// the title bar and the grip of a window that no window manager frames.
class XWindowDragHandle : public QLabel
{
    Q_OBJECT
public:
    enum Mode
    {
        Move,
        Resize
    };
    // `target` is the window moved or resized; it outlives the handle.
    XWindowDragHandle(Mode mode, const QString& text, QWidget* target, QWidget* parent);
    // The smallest size a resize leaves the window.
    void setMinimumWindowSize(QSize size) { m_minimumWindowSize = size; }
    // With the monitors, a moved window keeps the point that was pressed under the pointer
    // in device pixels, also across monitors of different scales (a logical distance
    // measured across two of them is no distance on the screen).
    void setScreens(std::function<std::vector<XScreenInfo>()> screens) { m_screens = std::move(screens); }

Q_SIGNALS:
    // The button is up again: the window is where the user left it.
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void follow(const QMouseEvent& event);

    Mode m_mode;
    QWidget* m_target;
    QSize m_minimumWindowSize{1, 1};
    QPointF m_pressedAt; // global
    QRect m_startGeometry;
    QPointF m_grabbedAt; // in the target
    std::function<std::vector<XScreenInfo>()> m_screens;
    bool m_dragging = false;
};
