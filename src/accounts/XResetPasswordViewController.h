#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class XAccountRequester;
class XAccountService;
class XPlatform;

// Forgotten password, step 2: the mailed code, the address and a new password.
class XResetPasswordViewController : public QWidget
{
    Q_OBJECT
public:
    XResetPasswordViewController(XPlatform& platform, XAccountService& service, QWidget* parent = nullptr);

    QLineEdit* verificationCodeTextField = nullptr;
    QLineEdit* emailTextField = nullptr;
    QLineEdit* passwordSecureTextField = nullptr;
    QPushButton* resetPasswordButton = nullptr;
    QPushButton* backButton = nullptr;

    void reset();

public Q_SLOTS:
    void resetPasswordClicked() { reset(); }
    void enterKeyClicked() { reset(); }
    void backClicked();

Q_SIGNALS:
    void goToSigninView();

private:
    void fail(const QString& informativeText);

    XPlatform& m_platform;
    XAccountRequester* m_requester = nullptr;
};
