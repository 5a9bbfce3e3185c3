#include "platform/XVirtualKeys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <set>
#include <string>

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
}

TEST(XVirtualKeys, KnownPositions)
{
    const std::pair<std::uint16_t, const char*> positions[] = {
        {0, "AC01"},   {1, "AC02"},   {2, "AC03"},   {12, "AD01"},  {36, "RTRN"},  {48, "TAB"},
        {49, "SPCE"},  {51, "BKSP"},  {53, "ESC"},   {55, "LWIN"},  {56, "LFSH"},  {57, "CAPS"},
        {58, "LALT"},  {59, "LCTL"},  {60, "RTSH"},  {61, "RALT"},  {62, "RCTL"},  {122, "FK01"},
        {120, "FK02"}, {90, "FK20"},  {115, "HOME"}, {116, "PGUP"}, {117, "DELE"}, {119, "END"},
        {121, "PGDN"}, {123, "LEFT"}, {124, "RGHT"}, {125, "DOWN"}, {126, "UP"},   {82, "KP0"},
        {76, "KPEN"},  {50, "TLDE"},  {10, "LSGT"}};
    for (const auto& [code, name] : positions) {
        const XVirtualKey* key = XVirtualKeyForCode(code);
        ASSERT_NE(key, nullptr) << code;
        EXPECT_STREQ(key->xkbName, name) << code;
    }
    EXPECT_EQ(XUsLayoutCharacter(0), QStringLiteral("a"));
    EXPECT_EQ(XUsLayoutCharacter(29), QStringLiteral("0"));
    EXPECT_EQ(XUsLayoutCharacter(36), QStringLiteral("\r"));
    EXPECT_TRUE(XUsLayoutCharacter(122).isEmpty());
    EXPECT_TRUE(XUsLayoutCharacter(52).isEmpty());
}

TEST(XVirtualKeys, QtKeysWithoutAScanCode)
{
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_A, false), 0);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Escape, false), 53);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_F1, false), 122);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Shift, false), 56);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Super_L, false), 55);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Meta, false), 55);
    // Shifted symbols are their key.
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Exclam, false), 18);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Plus, false), 24);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Backtab, false), 48);
    // The keypad, as Qt marks it.
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_5, true), 87);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_5, false), 23);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Plus, true), 69);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Enter, false), 76);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_Home, true), 115);
    EXPECT_EQ(XKeyCodeForQtKey(Qt::Key_unknown, false), std::nullopt);
    EXPECT_EQ(XKeyCodeForQtKey(0, false), std::nullopt);

    const QKeyEvent keypadStar(QEvent::KeyPress, Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(XKeyCodeForQtKeyEvent(keypadStar), 67);
    const QKeyEvent star(QEvent::KeyPress, Qt::Key_Asterisk, Qt::ShiftModifier);
    EXPECT_EQ(XKeyCodeForQtKeyEvent(star), 28);
}
