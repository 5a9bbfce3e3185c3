#pragma once

#include <QString>

enum XAlertAnswer : int
{
    XAlertFirstButtonReturn = 1000,
    XAlertSecondButtonReturn = 1001,
    XAlertThirdButtonReturn = 1002,
};

// A modal alert with up to three buttons; the answer names the button pressed.
struct XAlert
{
    QString messageText;
    QString informativeText;
    QString defaultButton;   // answered with XAlertFirstButtonReturn
    QString alternateButton; // XAlertSecondButtonReturn; none when empty
    QString otherButton;     // XAlertThirdButtonReturn; none when empty
    // The button that Enter presses and that has the keyboard focus (so Space presses it
    // too): where a stray key must do nothing, the harmless one.
    XAlertAnswer keyboardDefault = XAlertFirstButtonReturn;
};

// Window levels: ordinary windows, floating ones just above them, and the click-through
// overlay above everything.
enum XWindowLevel : int
{
    XNormalWindowLevel = 0,
    XFloatingWindowLevel = 1,
    XShieldingWindowLevel = 1000,
};

class XPlatform;
class QWidget;

// Runs an alert over the window with the window at the normal level meanwhile, so that the
// alert is not hidden behind it, then gives the window its level back. Answers 1 for the
// default button, 0 for the alternate one, −1 for the other one. The informative text is
// shown as it is (percent signs included). Enter presses `keyboardDefault`.
int runModalWithhMessageText(XPlatform& platform, const QString& messageText, const QString& informativeText,
                             const QString& defaultButton, const QString& alternateButton,
                             const QString& otherButton, QWidget* window,
                             XAlertAnswer keyboardDefault = XAlertFirstButtonReturn);
