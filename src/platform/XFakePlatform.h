#pragma once

#include "XPlatform.h"

#include <QHash>

// A platform for tests: the screens, window frames and window states are what the test
// says.
class XFakePlatform : public XPlatform
{
public:
    XFakePlatform();

    std::vector<XScreenInfo> screens() const override { return m_screens; }
    QRectF windowFrame(const QWidget& widget) const override;
    bool windowAcceptsMouse(const QWidget& widget) const override;

    void setScreens(std::vector<XScreenInfo> screens) { m_screens = std::move(screens); }
    // Without a frame set here, a widget is where it is placed, its origin being global.
    void setWindowFrame(const QWidget& widget, const QRectF& frame) { m_frames.insert(&widget, frame); }
    void setWindowAcceptsMouse(bool accepts) { m_acceptsMouse = accepts; }

private:
    std::vector<XScreenInfo> m_screens;
    QHash<const QWidget*, QRectF> m_frames;
    bool m_acceptsMouse = true;
};
