#pragma once

#include "XDeadlineSleeper.h"
#include "XMousePoster.h"

#include <QByteArray>

#include <chrono>

struct _XDisplay;

// Posts with XTest on an X connection of its own: Xlib connections are not shared
// between threads, and the poster lives on its playback thread.
class XX11MousePoster : public XMousePoster
{
public:
    explicit XX11MousePoster(const QByteArray& displayName);
    ~XX11MousePoster() override;

    bool isUsable() const { return m_display != nullptr; }
    void postMouseEvent(XMouseEventType type, QPointF devicePoint) override;
    void sleepMicroseconds(std::int64_t micros, std::stop_token stop) override;
    void activateWindowAt(QPointF devicePoint) override;
    std::optional<QPointF> pointerPosition() override;
    bool pauseWatchingPointer(std::int64_t micros, std::stop_token stop, QPointF expected,
                              double tolerance) override;

private:
    void moveTo(int x, int y);
    void settleRelease(std::chrono::microseconds within);
    unsigned long clientWindowAt(int x, int y) const;
    unsigned long activeWindow() const;
    bool windowContains(unsigned long window, int x, int y) const;

    _XDisplay* m_display = nullptr;
    XDeadlineSleeper m_sleeper;
    bool m_dragged = false;
    // The button mask of a release not yet seen through by the server.
    unsigned m_pendingRelease = 0;
};
