#pragma once

struct _XDisplay;

// Gives the window back its whole area (as far as its bounding shape reaches) as the part
// that takes the pointer, from now on and through every later resize.
void XX11ResetInputShape(_XDisplay* display, unsigned long window);

// An input-only window right above `window`, over its area: it takes presses there and shows
// nothing, so the windows below are not asked to repaint. Made when `shield` is 0, else
// moved; returns the shield.
unsigned long XX11PlacePressShield(_XDisplay* display, unsigned long shield, unsigned long window);
void XX11DestroyPressShield(_XDisplay* display, unsigned long shield);
