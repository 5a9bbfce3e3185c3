#pragma once

struct _XDisplay;

// Whether a compositing manager owns the screen's _NET_WM_CM_S<n> selection.
bool XX11HasCompositingManager(_XDisplay* display);
