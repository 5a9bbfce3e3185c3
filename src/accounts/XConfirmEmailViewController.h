#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class XAccountRequester;
class XAccountService;
class XPlatform;

// Forgotten password, step 1: the service mails a verification code to the address.
class XConfirmEmailViewController : public QWidget
{
    Q_OBJECT
public:
    XConfirmEmailViewController(XPlatform& platform, XAccountService& service, QWidget* parent = nullptr);

    QLineEdit* confirmEmailTextField = nullptr;
    QPushButton* confirmEmailButton = nullptr;
    QPushButton* backButton = nullptr;

    void confirmEmail();

public Q_SLOTS:
    void confirmEmailClicked() { confirmEmail(); }
    void enterKeyClicked() { confirmEmail(); }
    void backClicked();

Q_SIGNALS:
    void goToSigninView();
    void goToResetPasswordView();

private:
    XPlatform& m_platform;
    XAccountRequester* m_requester = nullptr;
};
