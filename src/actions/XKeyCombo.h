#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A key combination as the recorder holds it: modifier flags and a key code, −1 for no key.
struct XKeyCombo
{
    std::uint64_t flags = 0;
    long code = -1;

    bool operator==(const XKeyCombo&) const = default;
};

// Whether the code names a key at all; anything else is never registered.
bool XKeyComboHasKey(const XKeyCombo& combo);
// A modifier key on its own (Shift, Control…), as recorded while only modifiers are held.
bool XKeyComboIsModifierKey(const XKeyCombo& combo);

// Stored as "code,flags" in decimal; flags with all bits set read −1.
QString XKeyComboText(const XKeyCombo& combo);
// Nothing unless the text has exactly two comma-separated parts.
std::optional<XKeyCombo> XKeyComboFromText(const QString& text);
// Whether a stored combination is worth keeping: code 0 and flags −1 are not.
bool XKeyComboIsStorable(const XKeyCombo& combo);
