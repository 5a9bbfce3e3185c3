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

unsigned long XX11PlacePressShield(_XDisplay* display, unsigned long shield, unsigned long window)
{
    if (!display || !window)
        return shield;
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth) ||
        !XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child))
        return shield;
    if (!shield) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        // Taken here, a press goes no further: not to the root window's manager either.
        attributes.event_mask = ButtonPressMask | ButtonReleaseMask;
        shield = XCreateWindow(display, root, x, y, width, height, 0, 0, InputOnly, CopyFromParent,
                               CWOverrideRedirect | CWEventMask, &attributes);
    }
    XWindowChanges changes{};
    changes.x = x;
    changes.y = y;
    changes.width = static_cast<int>(width);
    changes.height = static_cast<int>(height);
    changes.sibling = window;
    changes.stack_mode = Above;
    XConfigureWindow(display, shield, CWX | CWY | CWWidth | CWHeight | CWSibling | CWStackMode, &changes);
    XMapWindow(display, shield);
    XFlush(display);
    return shield;
}

void XX11DestroyPressShield(_XDisplay* display, unsigned long shield)
{
    if (!display || !shield)
        return;
    XDestroyWindow(display, shield);
    XFlush(display);
}
