#pragma once

#include <QRect>
#include <QRegion>

#include <optional>

struct _XDisplay;

// What the X server itself says of one window, on a connection of the test's own: not what
// the program that owns the window believes.
class XServerWindow
{
public:
    explicit XServerWindow(unsigned long window);
    ~XServerWindow();
    XServerWindow(const XServerWindow&) = delete;
    XServerWindow& operator=(const XServerWindow&) = delete;

    // Where the window is on the root window, when the server knows the window.
    std::optional<QRect> area() const;
    bool isViewable() const;
    // The part of the window that takes the pointer, in window coordinates.
    QRegion inputRegion() const;

    // Whether a compositing manager runs on the test's display.
    static bool compositorRunning();

private:
    _XDisplay* m_display = nullptr;
    unsigned long m_window = 0;
};
