#include "XX11Compositor.h"

#include <QByteArray>

#include <X11/Xlib.h>

bool XX11HasCompositingManager(_XDisplay* display)
{
    if (!display)
        return false;
    QByteArray name("_NET_WM_CM_S");
    name.append(QByteArray::number(DefaultScreen(display)));
    const Atom selection = XInternAtom(display, name.constData(), False);
    return XGetSelectionOwner(display, selection) != None;
}
