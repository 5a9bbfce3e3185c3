#include "hotkeys/HKKeyCodes.h"

#include "platform/XFakeHotKeyService.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint64_t kAllFour = XControlKeyMask | XAlternateKeyMask | XShiftKeyMask | XCommandKeyMask;
}

TEST(HKStringFromKeyCode, ModifierSymbolsInTheirOrderThenTheKeysCharacter)
{
    const XFakeHotKeyService us;
    EXPECT_EQ(HKStringFromKeyCode(us, 0, kAllFour), QStringLiteral("⌃⌥⇧⌘a"));
    EXPECT_EQ(HKStringFromKeyCode(us, 0, kAllFour).toUpper(), QStringLiteral("⌃⌥⇧⌘A"));
    EXPECT_EQ(HKStringFromKeyCode(us, 0, XCommandKeyMask | XShiftKeyMask), QStringLiteral("⇧⌘a"));
    EXPECT_EQ(HKStringFromKeyCode(us, 18, XAlternateKeyMask), QStringLiteral("⌥1"));
    // Caps Lock and Function are not shown.
    EXPECT_EQ(HKStringFromKeyCode(us, 12, XCapsLockKeyMask | XFunctionKeyMask), QStringLiteral("q"));
    // A key that types nothing shows only the modifiers.
    EXPECT_EQ(HKStringFromKeyCode(us, 71, XControlKeyMask), QStringLiteral("⌃"));
}

TEST(HKStringFromKeyCode, ALeftModifierKeyShowsItsSymbolAloneAndSpecialKeysTheirSymbols)
{
    const XFakeHotKeyService us;
    EXPECT_EQ(HKStringFromKeyCode(us, 56, XShiftKeyMask), QStringLiteral("⇧"));
    EXPECT_EQ(HKStringFromKeyCode(us, 59, kAllFour), QStringLiteral("⌃"));
    EXPECT_EQ(HKStringFromKeyCode(us, 55, XCommandKeyMask), QStringLiteral("⌘"));
    // The right ones are ordinary special keys.
    EXPECT_EQ(HKStringFromKeyCode(us, 60, XShiftKeyMask), QStringLiteral("⇧⇧"));
    EXPECT_EQ(HKStringFromKeyCode(us, 122, 0), QStringLiteral("F1"));
    EXPECT_EQ(HKStringFromKeyCode(us, 90, 0), QStringLiteral("F20"));
    EXPECT_EQ(HKStringFromKeyCode(us, 63, 0), QStringLiteral("⌘"));
    EXPECT_EQ(HKStringFromKeyCode(us, 36, XControlKeyMask), QStringLiteral("⌃↩"));
    EXPECT_EQ(HKStringFromKeyCode(us, 53, XShiftKeyMask | XCommandKeyMask), QStringLiteral("⇧⌘⎋"));
}

TEST(HKKeyCodeToCharacterMap, HoldsTheFortySixKeysWithTheFunctionKeysInTheirOrder)
{
    const auto& map = HKKeyCodeToCharacterMap();
    EXPECT_EQ(map.size(), 46);
    const std::uint16_t functionKeys[] = {122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                                          103, 111, 105, 107, 113, 106, 64, 79,  80,  90};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(map.value(functionKeys[i]), QStringLiteral("F%1").arg(i + 1));
    EXPECT_EQ(map.value(117), QStringLiteral("⌦"));
    EXPECT_EQ(map.value(121), QStringLiteral("⇟"));
    EXPECT_EQ(map.value(72), QStringLiteral("🔊"));
    EXPECT_EQ(&map, &HKKeyCodeToCharacterMap());
}

TEST(HKCarbonModifierFlagsFromCocoaModifiers, ConvertsTheFiveModifiersAndDropsTheRest)
{
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(kAllFour), 0x1000u | 0x800u | 0x200u | 0x100u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XControlKeyMask), 0x1000u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XCommandKeyMask), 0x100u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XCapsLockKeyMask), 0x400u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XFunctionKeyMask), 0u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(0x200000 | 0x1), 0u);
}
