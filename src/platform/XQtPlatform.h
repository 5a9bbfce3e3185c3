#pragma once

#include "XPlatform.h"

// The real windowing system, through Qt's xcb platform and Xlib.
class XQtPlatform : public XPlatform
{
public:
    std::vector<XScreenInfo> screens() const override;
    QRectF windowFrame(const QWidget& widget) const override;
    bool windowAcceptsMouse(const QWidget& widget) const override;
};
