#pragma once

#include <QString>

struct XCommandLineRequest;

// What the session offers Qt to draw with.
struct XSessionEnvironment
{
    QString qpaPlatform;    // $QT_QPA_PLATFORM
    QString waylandDisplay; // $WAYLAND_DISPLAY
    QString sessionType;    // $XDG_SESSION_TYPE
    static XSessionEnvironment current();
};

// Clicks are posted through X, so Tableclick draws on X too (XWayland under Wayland)
// unless the user chose a platform.
struct XSessionPlatform
{
    // QT_QPA_PLATFORM to set before QApplication starts; empty: leave it as it is.
    QString platformToSet;
    // The platform is X: a missing display must be said before Qt aborts on it.
    bool needsX11Display = false;
    // A Wayland session: only X11/XWayland windows can be clicked.
    bool onWayland = false;
};

XSessionPlatform XChooseSessionPlatform(const XCommandLineRequest& request, const XSessionEnvironment& environment);
