#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The pause after each click for the delay field's text, in milliseconds: read as a
// single-precision number (text that is no number reads 0), times 1000 in single
// precision, the fraction of a microsecond cut off; nothing positive means 1 ms.
std::int64_t XClickDelayMicroseconds(const QString& text);

// The Pause field takes a number of milliseconds from 1 to a day: ASCII digits with an
// optional decimal part ("250", "2.5", ".5" is too short), blanks around them allowed.
// Nothing for any other text.
std::optional<double> XClickDelayMilliseconds(const QString& text);
// What the store keeps for a text the field took: the whole milliseconds of the pause
// that text plays, so the stored pause and the one in use are the same number.
std::int64_t XClickDelayStoredValue(const QString& text);
// Whether a stored value is a pause the field would take.
bool XIsStoredClickDelay(std::int64_t milliseconds);
// The field's text for a stored value ("%ld").
QString XClickDelayText(std::int64_t milliseconds);
