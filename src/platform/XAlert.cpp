#include "XAlert.h"

#include "XPlatform.h"

#include <QWidget>

int runModalWithhMessageText(XPlatform& platform, const QString& messageText, const QString& informativeText,
                             const QString& defaultButton, const QString& alternateButton,
                             const QString& otherButton, QWidget* window, XAlertAnswer keyboardDefault)
{
    QWidget* top = window ? window->window() : nullptr;
    const int level = top ? platform.windowLevel(*top) : XNormalWindowLevel;
    if (top)
        platform.setWindowLevel(*top, XNormalWindowLevel);
    const int answer = platform.runModalAlert(
        {messageText, informativeText, defaultButton, alternateButton, otherButton, keyboardDefault}, top);
    if (top)
        platform.setWindowLevel(*top, level);
    switch (answer) {
    case XAlertSecondButtonReturn:
        return 0;
    case XAlertThirdButtonReturn:
        return -1;
    default:
        return 1;
    }
}
