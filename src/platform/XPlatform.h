#pragma once

#include "XMousePoster.h"
#include "XScreenInfo.h"

#include <QRectF>

#include <memory>
#include <vector>

class XPreferenceStore;

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

    // A poster for the calling thread; any thread may ask.
    virtual std::unique_ptr<XMousePoster> createMousePoster() = 0;
    virtual XPreferenceStore& preferences() = 0;
};
