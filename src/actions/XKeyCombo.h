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
// Whether a combination is kept in the store: not flags with every bit set, nor code 0
// (the A key) without a modifier, which is what a cleared store reads as.
bool XKeyComboIsStorable(const XKeyCombo& combo);
// Whether the combination may be grabbed from every program: a key, held with Control,
// Option or Command (the rule the recorder applies).
bool XKeyComboIsUsable(const XKeyCombo& combo);
