#include "hotkeys/HKHotKeyTextField.h"

#include "platform/XFakeHotKeyService.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
class HKHotKeyTextFieldTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&m_window);
        m_other = new QLineEdit(&m_window);
        m_field = new HKHotKeyTextField(m_service, &m_window);
        layout->addWidget(m_other);
        layout->addWidget(m_field);
        m_original = HKHotKey::hotKeyWithKeyCode(0, XCommandKeyMask | XShiftKeyMask,
                                                 [this](const HKKeyEvent&) { ++m_taskCalls; });
        m_field->setHotKey(m_original);
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_other->setFocus();
    }

    void startRecording()
    {
        m_field->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_field->hasFocus(); }));
    }

    // One event, without the modifier presses QTest adds around it.
    void sendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(m_field, &event);
    }

    void expectHotKey(std::uint16_t keyCode, std::uint64_t flags, const char* text) const
    {
        ASSERT_TRUE(m_field->hotKey());
        EXPECT_EQ(m_field->hotKey()->keyCode(), keyCode);
        EXPECT_EQ(m_field->hotKey()->modifierFlags(), flags);
        EXPECT_EQ(m_field->text(), QString::fromLatin1(text));
    }

    XFakeHotKeyService m_service;
    QWidget m_window;
    QLineEdit* m_other = nullptr;
    HKHotKeyTextField* m_field = nullptr;
    std::shared_ptr<HKHotKey> m_original;
    int m_taskCalls = 0;
};
} // namespace

// Catches a field that keeps showing the hot key it had.
TEST_F(HKHotKeyTextFieldTest, ShowsItsHotKeyInTheDesktopsWords)
{
    EXPECT_EQ(m_field->text(), QStringLiteral("Meta+Shift+A"));
    m_field->setHotKey(HKHotKey::hotKeyWithKeyCode(122, XControlKeyMask, {}));
    EXPECT_EQ(m_field->text(), QStringLiteral("Ctrl+F1"));
    m_field->setHotKey(nullptr);
    EXPECT_TRUE(m_field->text().isEmpty());
}

// Catches a hot key recorded without Ctrl, Alt or Super, or without its action (Return and Escape
// ending a recording are checked through the panel's field in XHotKeyFieldTest).
TEST_F(HKHotKeyTextFieldTest, AKeyWithoutCtrlAltOrSuperDoesNothingAndARecordingKeepsTheAction)
{
    startRecording();
    QSignalSpy recorded(m_field, &HKHotKeyTextField::hotKeyRecorded);
    // Shift alone is no modifier of a hot key either.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_C, Qt::KeyboardModifiers()}, std::pair{Qt::Key_Tab, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_F1, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        QTest::keyClick(m_field, key, modifiers);
        EXPECT_EQ(m_field->hotKey(), m_original);
        EXPECT_EQ(m_field->text(), QStringLiteral("Meta+Shift+A"));
        EXPECT_TRUE(m_field->hasFocus());
    }
    QTest::keyClick(m_field, Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_NE(m_field->hotKey(), m_original);
    expectHotKey(11, XControlKeyMask | XAlternateKeyMask, "Ctrl+Alt+B");
    EXPECT_FALSE(m_field->hotKey()->hotKeyRef());
    // It takes the block of the hot key it replaces.
    m_field->hotKey()->invokeWithEvent({});
    EXPECT_EQ(m_taskCalls, 1);
    EXPECT_GE(recorded.count(), 1);
}

// Catches modifiers alone not shown while held, and modifier changes counted after a key.
TEST_F(HKHotKeyTextFieldTest, ModifiersHeldAloneRecordTheModifierKeyUntilAKeyIsPressed)
{
    startRecording();
    QTest::keyPress(m_field, Qt::Key_Control);
    expectHotKey(59, XControlKeyMask, "Ctrl");
    QTest::keyPress(m_field, Qt::Key_Shift, Qt::ControlModifier);
    expectHotKey(56, XControlKeyMask | XShiftKeyMask, "Shift");
    // Letting go is a change of modifiers too; with none left, it changes nothing. (Sent as
    // X11 does: the state before the release.)
    sendKey(QEvent::KeyRelease, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_field->hotKey()->keyCode(), 56);
    EXPECT_EQ(m_field->hotKey()->modifierFlags(), XControlKeyMask);
    sendKey(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(m_field->hotKey()->keyCode(), 56);

    // After a key-down, modifier changes no longer count.
    QTest::keyClick(m_field, Qt::Key_D, Qt::ControlModifier);
    QTest::keyPress(m_field, Qt::Key_Alt, Qt::ControlModifier);
    expectHotKey(2, XControlKeyMask, "Ctrl+D");
}

// Catches a window shortcut triggered while it is being recorded, or lost afterwards.
TEST_F(HKHotKeyTextFieldTest, ACombinationThatIsAShortcutOfTheWindowIsRecordedNotTriggered)
{
    int triggered = 0;
    auto* action = new QAction(&m_window);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X));
    m_window.addAction(action);
    QObject::connect(action, &QAction::triggered, [&] { ++triggered; });

    startRecording();
    QTest::keyClick(m_field, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(triggered, 0);
    EXPECT_EQ(m_field->hotKey()->keyCode(), 7);
    // Not recording, the shortcut is the window's again.
    QTest::keyClick(m_field, Qt::Key_Return);
    QTest::keyClick(&m_window, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(triggered, 1);
}
