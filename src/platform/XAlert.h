#pragma once

#include <QString>

// A modal alert with up to three buttons; the answer names the button pressed.
struct XAlert
{
    QString messageText;
    QString informativeText;
    QString defaultButton;   // answered with XAlertFirstButtonReturn
    QString alternateButton; // XAlertSecondButtonReturn; none when empty
    QString otherButton;     // XAlertThirdButtonReturn; none when empty
};

enum XAlertAnswer : int
{
    XAlertFirstButtonReturn = 1000,
    XAlertSecondButtonReturn = 1001,
    XAlertThirdButtonReturn = 1002,
};

// Window levels: ordinary windows, floating ones just above them, and the click-through
// overlay above everything.
enum XWindowLevel : int
{
    XNormalWindowLevel = 0,
    XFloatingWindowLevel = 1,
    XShieldingWindowLevel = 1000,
};
