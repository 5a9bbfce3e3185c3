#pragma once

#include <QString>

#include <cstdint>

// The pause after each click for the delay field's text, in milliseconds: read as a
// single-precision number (text that is no number reads 0), times 1000 in single
// precision, the fraction of a microsecond cut off; nothing positive means 1 ms.
std::int64_t XClickDelayMicroseconds(const QString& text);
