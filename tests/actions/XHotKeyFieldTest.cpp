#include "ActionPanelFixture.h"

#include "hotkeys/HKHotKey.h"
#include "hotkeys/HKHotKeyTextField.h"

#include <QApplication>
#include <QTest>

namespace {
constexpr std::uint16_t kKeyJ = 38;

struct HotKeyFixture : ActionPanelFixture
{
    XFakeHotKeyService& service = platform.fakeHotKeys();
    XHotKeyField* field = view->mouseCursorField;

    void showPanel()
    {
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    }
    void startRecording()
    {
        field->recorder()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return field->recorder()->hasFocus(); }));
    }
    // Waits for the queued hand-over from the recorder.
    void settle() { QTest::qWait(20); }
    // One key event at a time, each handled before the next, as a real keyboard sends them.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(field->recorder(), &event);
        settle();
    }
};
} // namespace

// Catches modifiers alone grabbed, an old key kept, Return or Escape not ending (or undoing) a recording.
TEST_F(HotKeyFixture, RecordingWithTheKeyboardReplacesTheHotKey)
{
    showPanel();
    startRecording();
    press(Qt::Key_Control, Qt::ControlModifier);
    press(Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(service.registrationLog().empty()) << "modifiers on their way to a key are no combination";
    press(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(field->keyCombo(), (XKeyCombo{kControlOption, kKeyK}));
    EXPECT_TRUE(service.registration(kKeyK, kCarbonControlOption));
    ASSERT_EQ(service.registrationLog().size(), 1u);

    QTest::keyClick(field->recorder(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    settle();
    EXPECT_EQ(field->keyCombo(), (XKeyCombo{kControlOption, kKeyJ}));
    EXPECT_FALSE(service.registration(kKeyK, kCarbonControlOption));
    EXPECT_TRUE(service.registration(kKeyJ, kCarbonControlOption));
    const QString shown = field->recorder()->text();
    EXPECT_FALSE(shown.isEmpty());

    // Return ends the recording with what it holds; the new one fires.
    QTest::keyClick(field->recorder(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(field->recorder()->hasFocus());
    EXPECT_EQ(field->keyCombo(), (XKeyCombo{kControlOption, kKeyJ}));
    EXPECT_EQ(service.registrationLog().size(), 2u);
    ASSERT_TRUE(service.fireCombination(kKeyJ, kCarbonControlOption, QPointF(3, 4)));
    QTest::qWait(0);
    EXPECT_EQ(view->xPosTextField->text(), QStringLiteral("3.00"));
    EXPECT_EQ(view->yPosTextField->text(), QStringLiteral("4.00"));

    // Escape takes back what this recording did.
    startRecording();
    QTest::keyClick(field->recorder(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_TRUE(service.registration(kKeyK, XCarbonControlKey | XCarbonShiftKey));
    QTest::keyClick(field->recorder(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(field->keyCombo(), (XKeyCombo{kControlOption, kKeyJ}));
    EXPECT_EQ(field->recorder()->text(), shown);
    EXPECT_EQ(service.registrations().size(), 1u);
    EXPECT_TRUE(service.registration(kKeyJ, kCarbonControlOption));

    field->clearButton()->click();
    EXPECT_TRUE(service.registrations().empty());
    EXPECT_TRUE(field->recorder()->text().isEmpty());
    EXPECT_TRUE(platform.shownAlerts().empty());
}

// Catches a refused grab not alerted, alerted before the window exists at start-up or hidden under
// the grid, the old key kept, and a grab of no key or of a code no keyboard sends.
TEST_F(HotKeyFixture, ARefusedCombinationAlertsAtLevelZeroAndNoKeyIsEverGrabbed)
{
    for (const XKeyCombo combo :
         {XKeyCombo{0, -1}, XKeyCombo{kControlOption, -1}, XKeyCombo{XControlKeyMask, 128}}) {
        field->setKeyCombo(combo);
        EXPECT_EQ(field->keyCombo(), combo);
        EXPECT_EQ(field->hotKey(), nullptr);
    }
    QTest::qWait(0);
    EXPECT_TRUE(service.registrationLog().empty());
    EXPECT_TRUE(platform.shownAlerts().empty());

    field->setKeyCombo({kControlOption, kKeyK});
    service.refuse(kKeyK, kCarbonControlOption);
    restart();
    EXPECT_TRUE(platform.shownAlerts().empty()) << "no alert while the panel is being built";
    QTest::qWait(0);
    EXPECT_EQ(platform.shownAlerts().size(), 1u);

    field = view->mouseCursorField;
    showPanel();
    platform.setWindowLevel(*view->window(), 7);
    field->setKeyCombo({kControlOption, kKeyJ});
    field->setKeyCombo({kControlOption, kKeyK});
    EXPECT_EQ(field->hotKey(), nullptr);
    EXPECT_TRUE(service.registrations().empty()) << "the previous hot key is let go first";
    ASSERT_EQ(platform.shownAlerts().size(), 2u);
    EXPECT_EQ(platform.alertWindowLevels()[1], 0);
    EXPECT_EQ(platform.windowLevel(*view->window()), 7);
    // The combination is still what the field shows and stores.
    EXPECT_EQ(field->keyCombo(), (XKeyCombo{kControlOption, kKeyK}));
}
