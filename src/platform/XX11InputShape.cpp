#include "XX11InputShape.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

void XX11ResetInputShape(_XDisplay* display, unsigned long window)
{
    if (!display || !window)
        return;
    // No input shape at all, rather than a rectangle of today's size.
    XShapeCombineMask(display, window, ShapeInput, 0, 0, None, ShapeSet);
    XFlush(display);
}
