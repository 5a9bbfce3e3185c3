#include "HKKeyCodes.h"

#include "platform/XHotKeyService.h"

#include <QHash>
#include <QKeySequence>

namespace {
// The keys no character names, by key code; the others are read from the keyboard layout.
const QHash<std::uint16_t, Qt::Key>& namedKeys()
{
    static const QHash<std::uint16_t, Qt::Key> keys = [] {
        QHash<std::uint16_t, Qt::Key> k{
            {36, Qt::Key_Return},     {48, Qt::Key_Tab},      {49, Qt::Key_Space},
            {51, Qt::Key_Backspace},  {53, Qt::Key_Escape},   {55, Qt::Key_Meta},
            {56, Qt::Key_Shift},      {57, Qt::Key_CapsLock}, {58, Qt::Key_Alt},
            {59, Qt::Key_Control},    {60, Qt::Key_Shift},    {61, Qt::Key_Alt},
            {62, Qt::Key_Control},    {72, Qt::Key_VolumeUp}, {73, Qt::Key_VolumeDown},
            {74, Qt::Key_VolumeMute}, {117, Qt::Key_Delete},  {115, Qt::Key_Home},
            {119, Qt::Key_End},       {116, Qt::Key_PageUp},  {121, Qt::Key_PageDown},
            {123, Qt::Key_Left},      {124, Qt::Key_Right},   {125, Qt::Key_Down},
            {126, Qt::Key_Up},
        };
        static constexpr std::uint16_t kFunctionKeys[] = {122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                                                          103, 111, 105, 107, 113, 106, 64, 79,  80,  90};
        int number = 0;
        for (const std::uint16_t code : kFunctionKeys)
            k.insert(code, static_cast<Qt::Key>(Qt::Key_F1 + number++));
        return k;
    }();
    return keys;
}

Qt::KeyboardModifier modifierOfKey(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Meta:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

QString nativeText(QKeyCombination combination)
{
    return QKeySequence(combination).toString(QKeySequence::NativeText);
}

// Modifiers named as in a combination ("Ctrl", not the key's own name "Control").
QString modifiersText(Qt::KeyboardModifiers modifiers)
{
    return nativeText(QKeyCombination(modifiers, Qt::Key_A)).chopped(2);
}
} // namespace

QString HKStringFromKeyCode(const XHotKeyService& service, std::uint16_t keyCode, std::uint64_t modifierFlags)
{
    Qt::KeyboardModifiers modifiers;
    if (modifierFlags & XControlKeyMask)
        modifiers |= Qt::ControlModifier;
    if (modifierFlags & XAlternateKeyMask)
        modifiers |= Qt::AltModifier;
    if (modifierFlags & XShiftKeyMask)
        modifiers |= Qt::ShiftModifier;
    if (modifierFlags & XCommandKeyMask)
        modifiers |= Qt::MetaModifier;
    Qt::Key key = Qt::Key_unknown;
    if (const auto named = namedKeys().constFind(keyCode); named != namedKeys().constEnd()) {
        // A modifier key pressed alone is named alone.
        if (const Qt::KeyboardModifier modifier = modifierOfKey(*named); modifier != Qt::NoModifier)
            return modifiersText(modifier);
        key = *named;
    } else if (const QString character = service.characterForKeyCode(keyCode); character.size() == 1) {
        key = static_cast<Qt::Key>(character.toUpper().at(0).unicode());
    }
    if (key != Qt::Key_unknown)
        return nativeText(QKeyCombination(modifiers, key));
    // No key to name: the held modifiers alone ("Ctrl+Alt").
    return modifiers == Qt::NoModifier ? QString() : modifiersText(modifiers);
}

std::uint32_t HKCarbonModifierFlagsFromCocoaModifiers(std::uint64_t modifierFlags)
{
    std::uint32_t carbon = 0;
    if (modifierFlags & XControlKeyMask)
        carbon |= XCarbonControlKey;
    if (modifierFlags & XCommandKeyMask)
        carbon |= XCarbonCmdKey;
    if (modifierFlags & XShiftKeyMask)
        carbon |= XCarbonShiftKey;
    if (modifierFlags & XAlternateKeyMask)
        carbon |= XCarbonOptionKey;
    if (modifierFlags & XCapsLockKeyMask)
        carbon |= XCarbonAlphaLock;
    return carbon;
}

bool HKModifierFlagsMakeAHotKey(std::uint64_t modifierFlags)
{
    return (modifierFlags & (XControlKeyMask | XAlternateKeyMask | XCommandKeyMask)) != 0;
}
