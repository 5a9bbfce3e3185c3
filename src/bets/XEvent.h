#pragma once

#include "platform/XMousePoster.h"

#include <QRectF>

enum class XMouseButton
{
    Left,
    Right
};

class XEvent
{
public:
    // One click at a global device-pixel point: down, an optional small drag to the
    // right, up, 100 µs after each.
    static void postMouseDownUpEventWithCursorPosition(XMousePoster& poster, QPointF position,
                                                       bool needMouseDrag, std::stop_token stop = {},
                                                       XMouseButton button = XMouseButton::Left);
    // Where the pointer stays after such a click.
    static QPointF pointAfterClick(QPointF position, bool needMouseDrag);
};

// Whether a global point lies in a window's frame (top-left origin); the left and top
// edges belong to it, the right and bottom ones do not.
bool XContainScreenPoint(const QRectF& windowFrame, QPointF point);
