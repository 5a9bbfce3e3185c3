#pragma once

#include <QString>

#include <cstdint>

class XHotKeyService;

// The text a user reads for a combination, in the desktop's words ("Ctrl+Alt+K"): the
// held modifiers, then the key's name or, from the current keyboard layout, its character.
// A modifier key pressed alone is named alone.
QString HKStringFromKeyCode(const XHotKeyService& service, std::uint16_t keyCode,
                            std::uint64_t modifierFlags);
// The registration mask for modifier flags; other bits are dropped.
std::uint32_t HKCarbonModifierFlagsFromCocoaModifiers(std::uint64_t modifierFlags);
// Whether held modifiers make a combination that may be taken from every program: Control,
// Option or Command among them. Shift or Fn alone still type (Shift+S is a capital S).
bool HKModifierFlagsMakeAHotKey(std::uint64_t modifierFlags);
