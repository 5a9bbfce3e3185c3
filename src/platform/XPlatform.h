#pragma once

#include "XAlert.h"
#include "XHotKeyService.h"
#include "XMousePoster.h"
#include "XScreenInfo.h"

#include <QImage>
#include <QRectF>
#include <QUrl>

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

    // Click-through: borderless, above everything, every mouse event passing to the
    // windows underneath. Otherwise the same borderless window taking every press inside
    // its shape. The window is never handed to or taken from a window manager, so its area
    // stays exactly where it is on the screen.
    virtual void setWindowClickThrough(QWidget& window, bool clickThrough) = 0;
    // Whether a compositing manager blends translucent windows over what lies below them.
    virtual bool hasCompositingManager() const = 0;
    // What the screen shows in a global logical area (windows above it included), at the
    // monitor's device pixels; null when it cannot be read.
    virtual QImage screenSnapshot(const QRect& area) const = 0;
    // While shielded, presses over the window's area reach neither it nor what lies below,
    // so that the window may show only a part of itself for a moment (to let a snapshot see
    // under it) without letting a press through. Called again, the shield follows the window.
    virtual void setPressShield(QWidget& window, bool shielded) = 0;
    // Levels of managed windows: above 0 they float above ordinary windows.
    virtual void setWindowLevel(QWidget& window, int level) = 0;
    virtual int windowLevel(const QWidget& window) const = 0;
    // Runs a modal alert over the window and answers which button was pressed.
    virtual int runModalAlert(const XAlert& alert, QWidget* window) = 0;
    virtual bool openUrl(const QUrl& url) = 0;

    // This program's visible top-level windows, for runs to keep their clicks off them.
    virtual std::vector<XOwnWindow> ownWindows() const = 0;

    // A poster for the calling thread; any thread may ask.
    virtual std::unique_ptr<XMousePoster> createMousePoster() = 0;
    // A Wayland session whose clicks go through the desktop's remote control, which the
    // user must allow once per login.
    virtual bool clicksThroughPortal() const { return false; }
    virtual XPreferenceStore& preferences() = 0;
    // Global key combinations.
    virtual XHotKeyService& hotKeys() = 0;
};
