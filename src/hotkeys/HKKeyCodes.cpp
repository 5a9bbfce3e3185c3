#include "HKKeyCodes.h"

#include "platform/XHotKeyService.h"

const QHash<std::uint16_t, QString>& HKKeyCodeToCharacterMap()
{
    static const QHash<std::uint16_t, QString> map = [] {
        QHash<std::uint16_t, QString> m{
            {36, QStringLiteral("↩")},  {48, QStringLiteral("⇥")},  {49, QStringLiteral("⎵")},
            {51, QStringLiteral("⌫")},  {53, QStringLiteral("⎋")},  {55, QStringLiteral("⌘")},
            {56, QStringLiteral("⇧")},  {57, QStringLiteral("⇪")},  {58, QStringLiteral("⌥")},
            {59, QStringLiteral("⌃")},  {60, QStringLiteral("⇧")},  {61, QStringLiteral("⌥")},
            {62, QStringLiteral("⌃")},  {72, QStringLiteral("🔊")},  {73, QStringLiteral("🔈")},
            {74, QStringLiteral("🔇")},  {63, QStringLiteral("⌘")},  {117, QStringLiteral("⌦")},
            {115, QStringLiteral("↖")}, {119, QStringLiteral("↘")}, {116, QStringLiteral("⇞")},
            {121, QStringLiteral("⇟")}, {123, QStringLiteral("←")}, {124, QStringLiteral("→")},
            {125, QStringLiteral("↓")}, {126, QStringLiteral("↑")},
        };
        // F1 to F20.
        static constexpr std::uint16_t kFunctionKeys[] = {122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                                                          103, 111, 105, 107, 113, 106, 64, 79,  80,  90};
        int number = 1;
        for (const std::uint16_t code : kFunctionKeys)
            m.insert(code, QStringLiteral("F%1").arg(number++));
        return m;
    }();
    return map;
}

QString HKStringFromKeyCode(const XHotKeyService& service, std::uint16_t keyCode, std::uint64_t modifierFlags)
{
    const auto& map = HKKeyCodeToCharacterMap();
    QString text;
    if (modifierFlags & XControlKeyMask)
        text += map.value(59);
    if (modifierFlags & XAlternateKeyMask)
        text += map.value(58);
    if (modifierFlags & XShiftKeyMask)
        text += map.value(56);
    if (modifierFlags & XCommandKeyMask)
        text += map.value(55);
    if (keyCode == 59 || keyCode == 58 || keyCode == 56 || keyCode == 55)
        return map.value(keyCode);
    const auto special = map.constFind(keyCode);
    if (special != map.constEnd())
        return text + *special;
    return text + service.characterForKeyCode(keyCode);
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
