#pragma once

#include "XMousePoster.h"

#include <QByteArray>

#include <memory>

// Posts with XTest on an X connection of its own (the playback thread's; Xlib connections
// are not shared between threads), and watches the user's own devices through XInput 2
// raw events on the same connection. Built on xcb: a broken connection is an error code
// here, never the process-wide handler that ends the program.
class XX11MousePoster : public XMousePoster
{
public:
    explicit XX11MousePoster(const QByteArray& displayName);
    ~XX11MousePoster() override;

    bool isUsable() const;
    void postMouseEvent(XMouseEventType type, QPointF devicePoint) override;
    void sleepMicroseconds(std::int64_t micros, std::stop_token stop) override;
    void activateWindowAt(QPointF devicePoint) override;
    std::optional<QPointF> pointerPosition() override;
    XClickVerdict beginClick(QPointF devicePoint, const std::vector<XOwnWindow>& ownWindows) override;
    void endClick() override;
    XClickVerdict pauseWatching(std::int64_t micros, std::stop_token stop) override;
    XClickVerdict finish() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
