#pragma once

#include "XScreenInfo.h"

#include <QRectF>

#include <vector>

class QWidget;

// Everything the program takes from the windowing system. Code above this folder talks
// to this interface only; tests give it a recording fake.
class XPlatform
{
public:
    virtual ~XPlatform() = default;

    // The monitors, the primary one first.
    virtual std::vector<XScreenInfo> screens() const = 0;
    // Where the widget's own area is on the screen: global logical coordinates, origin at
    // the top-left of the virtual screen, title bar and frame excluded.
    virtual QRectF windowFrame(const QWidget& widget) const = 0;
    // False while the widget's window lets mouse events pass through it.
    virtual bool windowAcceptsMouse(const QWidget& widget) const = 0;
};
