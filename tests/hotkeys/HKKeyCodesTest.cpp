#include "hotkeys/HKKeyCodes.h"

#include "platform/XFakeHotKeyService.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint64_t kAllFour = XControlKeyMask | XAlternateKeyMask | XShiftKeyMask | XCommandKeyMask;
}

// Catches a combination shown in a Mac's glyphs or lower case, a modifier named twice, a wrong table.
TEST(HKStringFromKeyCode, NamesCombinationsInTheDesktopsWords)
{
    const XFakeHotKeyService us;
    const struct
    {
        std::uint16_t code;
        std::uint64_t flags;
        const char* text;
    } cases[] = {
        {40, XControlKeyMask | XAlternateKeyMask, "Ctrl+Alt+K"},
        {0, kAllFour, "Meta+Ctrl+Alt+Shift+A"},
        {18, XAlternateKeyMask, "Alt+1"},
        {12, XCapsLockKeyMask | XFunctionKeyMask, "Q"},
        {71, XControlKeyMask | XShiftKeyMask, "Ctrl+Shift"},
        {59, kAllFour, "Ctrl"},
        {60, XShiftKeyMask, "Shift"},
        {122, XControlKeyMask, "Ctrl+F1"},
        {90, 0, "F20"},
        {36, XControlKeyMask, "Ctrl+Return"},
        {53, XShiftKeyMask | XCommandKeyMask, "Meta+Shift+Esc"},
        {123, XAlternateKeyMask, "Alt+Left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HKStringFromKeyCode(us, c.code, c.flags).toStdString(), c.text) << "key code " << c.code;
}

// Catches a modifier translated to another one's flag, or Fn passed on.
TEST(HKCarbonModifierFlagsFromCocoaModifiers, ConvertsTheFiveModifiersAndDropsTheRest)
{
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(kAllFour), 0x1000u | 0x800u | 0x200u | 0x100u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XControlKeyMask), 0x1000u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XCommandKeyMask), 0x100u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XCapsLockKeyMask), 0x400u);
    EXPECT_EQ(HKCarbonModifierFlagsFromCocoaModifiers(XFunctionKeyMask), 0u);
}
