#include "platform/XVirtualKeys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <set>
#include <string>

// Catches a key listed twice, a lookup finding another key, and keys left out.
TEST(XVirtualKeys, EachCodeAndEachKeyNameOnce)
{
    std::set<std::uint16_t> codes;
    std::set<std::string> names;
    for (const XVirtualKey& key : XVirtualKeyTable()) {
        EXPECT_TRUE(codes.insert(key.code).second) << key.code;
        if (*key.xkbName) {
            EXPECT_TRUE(names.insert(key.xkbName).second) << key.xkbName;
            EXPECT_EQ(XVirtualKeyForXkbName(key.xkbName), &key);
        }
        EXPECT_EQ(XVirtualKeyForCode(key.code), &key);
    }
    // Letters, digits, punctuation, the specials, F1 to F20, the keypad and the modifiers.
    EXPECT_GE(codes.size(), 110u);
    EXPECT_EQ(XVirtualKeyForCode(52), nullptr);
    EXPECT_EQ(XVirtualKeyForXkbName("NOPE"), nullptr);
    EXPECT_EQ(XVirtualKeyForXkbName(""), nullptr);
    EXPECT_TRUE(XUsLayoutCharacter(52).isEmpty());
}

// Catches keypad keys taken for their twins, shifted symbols not mapped, unknown keys numbered.
TEST(XVirtualKeys, QtKeysWithoutAScanCode)
{
    const struct
    {
        int key;
        bool keypad;
        std::optional<std::uint16_t> code;
    } cases[] = {
        {Qt::Key_A, false, 0},        {Qt::Key_Escape, false, 53},  {Qt::Key_Meta, false, 55},
        {Qt::Key_Exclam, false, 18},  {Qt::Key_Backtab, false, 48}, {Qt::Key_5, true, 87},
        {Qt::Key_5, false, 23},       {Qt::Key_Plus, true, 69},     {Qt::Key_Enter, false, 76},
        {Qt::Key_unknown, false, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XKeyCodeForQtKey(c.key, c.keypad), c.code) << std::hex << c.key << " keypad " << c.keypad;

    const QKeyEvent keypadStar(QEvent::KeyPress, Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(XKeyCodeForQtKeyEvent(keypadStar), 67);
    const QKeyEvent star(QEvent::KeyPress, Qt::Key_Asterisk, Qt::ShiftModifier);
    EXPECT_EQ(XKeyCodeForQtKeyEvent(star), 28);
}
