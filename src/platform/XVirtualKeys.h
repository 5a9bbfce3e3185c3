#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class QKeyEvent;

// One key of the program's positional numbering (macOS virtual key codes): where it sits
// on the keyboard (its XKB name), what it types on a US layout, and Qt's name for it.
struct XVirtualKey
{
    std::uint16_t code = 0;
    // Empty for a key that has no place on a PC keyboard (Function).
    const char* xkbName = "";
    // What the key types on a US layout with no modifier held; empty when nothing.
    const char* usCharacter = "";
    // Qt's key for events without a scan code; 0 when none.
    int qtKey = 0;
    bool keypad = false;
};

// Every key of the standard US/ISO keyboard, once.
std::span<const XVirtualKey> XVirtualKeyTable();
const XVirtualKey* XVirtualKeyForCode(std::uint16_t code);
// Aliases of the keyboard description (AC12 for BKSL…) are the backend's to resolve.
const XVirtualKey* XVirtualKeyForXkbName(const char* name);
// From Qt's key alone: a modifier key means its left one, a shifted symbol its key.
std::optional<std::uint16_t> XKeyCodeForQtKey(int qtKey, bool keypad);
std::optional<std::uint16_t> XKeyCodeForQtKeyEvent(const QKeyEvent& event);
QString XUsLayoutCharacter(std::uint16_t code);
