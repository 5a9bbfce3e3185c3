#pragma once

#include <QString>

// Numbers typed into text fields, read the forgiving way: the number at the start of the
// text, 0 when there is none.

// "12abc" is 12, " -3" is -3, "2.7" is 2, "abc" is 0; out-of-range values saturate.
long XIntegerValue(const QString& text);
// "1.5px" is 1.5, "abc" is 0.
double XDecimalValue(const QString& text);
