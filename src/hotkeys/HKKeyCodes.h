#pragma once

#include <QHash>
#include <QString>

#include <cstdint>

class XHotKeyService;

// The text a user reads for a combination: the held modifiers' symbols ⌃⌥⇧⌘, then the
// key's symbol or, from the current keyboard layout, its character (not upper-cased).
QString HKStringFromKeyCode(const XHotKeyService& service, std::uint16_t keyCode,
                            std::uint64_t modifierFlags);
// The 46 keys shown by a symbol or name instead of their character.
const QHash<std::uint16_t, QString>& HKKeyCodeToCharacterMap();
// The registration mask for modifier flags; other bits are dropped.
std::uint32_t HKCarbonModifierFlagsFromCocoaModifiers(std::uint64_t modifierFlags);
// Whether held modifiers make a combination that may be taken from every program: Control,
// Option or Command among them. Shift or Fn alone still type (⇧S is a capital S).
bool HKModifierFlagsMakeAHotKey(std::uint64_t modifierFlags);
