#pragma once

struct _XDisplay;

// Gives the window back its whole area (as far as its bounding shape reaches) as the part
// that takes the pointer, from now on and through every later resize.
void XX11ResetInputShape(_XDisplay* display, unsigned long window);
