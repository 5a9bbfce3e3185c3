#pragma once

#include "catalogue/XWheel.h"

#include <QColor>

// A number's own colour, as the table and the wheel show it: green zero, red, black.
inline QColor XNumberColor(int n)
{
    return n == 0 ? QColor(0, 140, 70) : XWheel::isRed(n) ? QColor(190, 25, 30) : QColor(30, 30, 30);
}
