#include "XVirtualKeys.h"

#include <QKeyEvent>

#include <array>
#include <cstring>

namespace {
// clang-format off
constexpr std::array kKeys{
    XVirtualKey{0, "AC01", "a", Qt::Key_A},
    XVirtualKey{1, "AC02", "s", Qt::Key_S},
    XVirtualKey{2, "AC03", "d", Qt::Key_D},
    XVirtualKey{3, "AC04", "f", Qt::Key_F},
    XVirtualKey{4, "AC06", "h", Qt::Key_H},
    XVirtualKey{5, "AC05", "g", Qt::Key_G},
    XVirtualKey{6, "AB01", "z", Qt::Key_Z},
    XVirtualKey{7, "AB02", "x", Qt::Key_X},
    XVirtualKey{8, "AB03", "c", Qt::Key_C},
    XVirtualKey{9, "AB04", "v", Qt::Key_V},
    // The ISO key beside the left Shift.
    XVirtualKey{10, "LSGT", "<", Qt::Key_Less},
    XVirtualKey{11, "AB05", "b", Qt::Key_B},
    XVirtualKey{12, "AD01", "q", Qt::Key_Q},
    XVirtualKey{13, "AD02", "w", Qt::Key_W},
    XVirtualKey{14, "AD03", "e", Qt::Key_E},
    XVirtualKey{15, "AD04", "r", Qt::Key_R},
    XVirtualKey{16, "AD06", "y", Qt::Key_Y},
    XVirtualKey{17, "AD05", "t", Qt::Key_T},
    XVirtualKey{18, "AE01", "1", Qt::Key_1},
    XVirtualKey{19, "AE02", "2", Qt::Key_2},
    XVirtualKey{20, "AE03", "3", Qt::Key_3},
    XVirtualKey{21, "AE04", "4", Qt::Key_4},
    XVirtualKey{22, "AE06", "6", Qt::Key_6},
    XVirtualKey{23, "AE05", "5", Qt::Key_5},
    XVirtualKey{24, "AE12", "=", Qt::Key_Equal},
    XVirtualKey{25, "AE09", "9", Qt::Key_9},
    XVirtualKey{26, "AE07", "7", Qt::Key_7},
    XVirtualKey{27, "AE11", "-", Qt::Key_Minus},
    XVirtualKey{28, "AE08", "8", Qt::Key_8},
    XVirtualKey{29, "AE10", "0", Qt::Key_0},
    XVirtualKey{30, "AD12", "]", Qt::Key_BracketRight},
    XVirtualKey{31, "AD09", "o", Qt::Key_O},
    XVirtualKey{32, "AD07", "u", Qt::Key_U},
    XVirtualKey{33, "AD11", "[", Qt::Key_BracketLeft},
    XVirtualKey{34, "AD08", "i", Qt::Key_I},
    XVirtualKey{35, "AD10", "p", Qt::Key_P},
    XVirtualKey{36, "RTRN", "\r", Qt::Key_Return},
    XVirtualKey{37, "AC09", "l", Qt::Key_L},
    XVirtualKey{38, "AC07", "j", Qt::Key_J},
    XVirtualKey{39, "AC11", "'", Qt::Key_Apostrophe},
    XVirtualKey{40, "AC08", "k", Qt::Key_K},
    XVirtualKey{41, "AC10", ";", Qt::Key_Semicolon},
    XVirtualKey{42, "BKSL", "\\", Qt::Key_Backslash},
    XVirtualKey{43, "AB08", ",", Qt::Key_Comma},
    XVirtualKey{44, "AB10", "/", Qt::Key_Slash},
    XVirtualKey{45, "AB06", "n", Qt::Key_N},
    XVirtualKey{46, "AB07", "m", Qt::Key_M},
    XVirtualKey{47, "AB09", ".", Qt::Key_Period},
    XVirtualKey{48, "TAB", "\t", Qt::Key_Tab},
    XVirtualKey{49, "SPCE", " ", Qt::Key_Space},
    XVirtualKey{50, "TLDE", "`", Qt::Key_QuoteLeft},
    XVirtualKey{51, "BKSP", "\b", Qt::Key_Backspace},
    XVirtualKey{53, "ESC", "\x1b", Qt::Key_Escape},
    XVirtualKey{54, "RWIN", "", Qt::Key_Super_R},
    XVirtualKey{55, "LWIN", "", Qt::Key_Super_L},
    XVirtualKey{56, "LFSH", "", Qt::Key_Shift},
    XVirtualKey{57, "CAPS", "", Qt::Key_CapsLock},
    XVirtualKey{58, "LALT", "", Qt::Key_Alt},
    XVirtualKey{59, "LCTL", "", Qt::Key_Control},
    XVirtualKey{60, "RTSH", "", 0},
    XVirtualKey{61, "RALT", "", Qt::Key_AltGr},
    XVirtualKey{62, "RCTL", "", 0},
    XVirtualKey{63, "", "", 0},
    XVirtualKey{64, "FK17", "", Qt::Key_F17},
    XVirtualKey{65, "KPDL", ".", Qt::Key_Period, true},
    XVirtualKey{67, "KPMU", "*", Qt::Key_Asterisk, true},
    XVirtualKey{69, "KPAD", "+", Qt::Key_Plus, true},
    // Clear on a Mac keypad, Num Lock on a PC one.
    XVirtualKey{71, "NMLK", "", Qt::Key_NumLock},
    XVirtualKey{72, "VOL+", "", Qt::Key_VolumeUp},
    XVirtualKey{73, "VOL-", "", Qt::Key_VolumeDown},
    XVirtualKey{74, "MUTE", "", Qt::Key_VolumeMute},
    XVirtualKey{75, "KPDV", "/", Qt::Key_Slash, true},
    XVirtualKey{76, "KPEN", "\r", Qt::Key_Enter},
    XVirtualKey{78, "KPSU", "-", Qt::Key_Minus, true},
    XVirtualKey{79, "FK18", "", Qt::Key_F18},
    XVirtualKey{80, "FK19", "", Qt::Key_F19},
    XVirtualKey{81, "KPEQ", "=", Qt::Key_Equal, true},
    XVirtualKey{82, "KP0", "0", Qt::Key_0, true},
    XVirtualKey{83, "KP1", "1", Qt::Key_1, true},
    XVirtualKey{84, "KP2", "2", Qt::Key_2, true},
    XVirtualKey{85, "KP3", "3", Qt::Key_3, true},
    XVirtualKey{86, "KP4", "4", Qt::Key_4, true},
    XVirtualKey{87, "KP5", "5", Qt::Key_5, true},
    XVirtualKey{88, "KP6", "6", Qt::Key_6, true},
    XVirtualKey{89, "KP7", "7", Qt::Key_7, true},
    XVirtualKey{90, "FK20", "", Qt::Key_F20},
    XVirtualKey{91, "KP8", "8", Qt::Key_8, true},
    XVirtualKey{92, "KP9", "9", Qt::Key_9, true},
    XVirtualKey{96, "FK05", "", Qt::Key_F5},
    XVirtualKey{97, "FK06", "", Qt::Key_F6},
    XVirtualKey{98, "FK07", "", Qt::Key_F7},
    XVirtualKey{99, "FK03", "", Qt::Key_F3},
    XVirtualKey{100, "FK08", "", Qt::Key_F8},
    XVirtualKey{101, "FK09", "", Qt::Key_F9},
    XVirtualKey{103, "FK11", "", Qt::Key_F11},
    XVirtualKey{105, "FK13", "", Qt::Key_F13},
    XVirtualKey{106, "FK16", "", Qt::Key_F16},
    XVirtualKey{107, "FK14", "", Qt::Key_F14},
    XVirtualKey{109, "FK10", "", Qt::Key_F10},
    XVirtualKey{110, "COMP", "", Qt::Key_Menu},
    XVirtualKey{111, "FK12", "", Qt::Key_F12},
    XVirtualKey{113, "FK15", "", Qt::Key_F15},
    // Help on a Mac keyboard, Insert on a PC one.
    XVirtualKey{114, "INS", "", Qt::Key_Insert},
    XVirtualKey{115, "HOME", "", Qt::Key_Home},
    XVirtualKey{116, "PGUP", "", Qt::Key_PageUp},
    XVirtualKey{117, "DELE", "\x7f", Qt::Key_Delete},
    XVirtualKey{118, "FK04", "", Qt::Key_F4},
    XVirtualKey{119, "END", "", Qt::Key_End},
    XVirtualKey{120, "FK02", "", Qt::Key_F2},
    XVirtualKey{121, "PGDN", "", Qt::Key_PageDown},
    XVirtualKey{122, "FK01", "", Qt::Key_F1},
    XVirtualKey{123, "LEFT", "", Qt::Key_Left},
    XVirtualKey{124, "RGHT", "", Qt::Key_Right},
    XVirtualKey{125, "DOWN", "", Qt::Key_Down},
    XVirtualKey{126, "UP", "", Qt::Key_Up},
};

// Qt names some keys by what they type with Shift held, or by another name of the same key.
struct QtAlias
{
    int qtKey;
    std::uint16_t code;
};
constexpr std::array kQtAliases{
    QtAlias{Qt::Key_Exclam, 18},     QtAlias{Qt::Key_At, 19},           QtAlias{Qt::Key_NumberSign, 20},
    QtAlias{Qt::Key_Dollar, 21},     QtAlias{Qt::Key_Percent, 23},      QtAlias{Qt::Key_AsciiCircum, 22},
    QtAlias{Qt::Key_Ampersand, 26},  QtAlias{Qt::Key_Asterisk, 28},     QtAlias{Qt::Key_ParenLeft, 25},
    QtAlias{Qt::Key_ParenRight, 29}, QtAlias{Qt::Key_Underscore, 27},   QtAlias{Qt::Key_Plus, 24},
    QtAlias{Qt::Key_BraceLeft, 33},  QtAlias{Qt::Key_BraceRight, 30},   QtAlias{Qt::Key_Colon, 41},
    QtAlias{Qt::Key_QuoteDbl, 39},   QtAlias{Qt::Key_Bar, 42},          QtAlias{Qt::Key_Greater, 47},
    QtAlias{Qt::Key_Question, 44},   QtAlias{Qt::Key_AsciiTilde, 50},   QtAlias{Qt::Key_Backtab, 48},
    QtAlias{Qt::Key_Meta, 55},       QtAlias{Qt::Key_Super_R, 54},      QtAlias{Qt::Key_Clear, 71},
};
// clang-format on
} // namespace

std::span<const XVirtualKey> XVirtualKeyTable()
{
    return kKeys;
}

const XVirtualKey* XVirtualKeyForCode(std::uint16_t code)
{
    for (const XVirtualKey& key : kKeys) {
        if (key.code == code)
            return &key;
    }
    return nullptr;
}

const XVirtualKey* XVirtualKeyForXkbName(const char* name)
{
    if (!name || !*name)
        return nullptr;
    for (const XVirtualKey& key : kKeys) {
        if (std::strcmp(key.xkbName, name) == 0)
            return &key;
    }
    return nullptr;
}

std::optional<std::uint16_t> XKeyCodeForQtKey(int qtKey, bool keypad)
{
    if (qtKey == 0)
        return std::nullopt;
    // A keypad key first among keypad keys; a key Qt does not mark falls back to the main block.
    for (const bool pass : {keypad, false}) {
        for (const XVirtualKey& key : kKeys) {
            if (key.qtKey == qtKey && key.keypad == pass)
                return key.code;
        }
    }
    for (const QtAlias& alias : kQtAliases) {
        if (alias.qtKey == qtKey)
            return alias.code;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> XKeyCodeForQtKeyEvent(const QKeyEvent& event)
{
    return XKeyCodeForQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

QString XUsLayoutCharacter(std::uint16_t code)
{
    const XVirtualKey* key = XVirtualKeyForCode(code);
    return key ? QString::fromUtf8(key->usCharacter) : QString();
}
