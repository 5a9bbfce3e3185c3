#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QFrame;
class XAccountRequester;
class XAccountService;
class XPlatform;

// The sign-in screen: e-mail and password, then the main view.
class XSigninViewController : public QWidget
{
    Q_OBJECT
public:
    XSigninViewController(XPlatform& platform, XAccountService& service, QWidget* parent = nullptr);

    QLineEdit* emailTextField = nullptr;
    QLineEdit* passwordTextField = nullptr;
    QPushButton* loginButton = nullptr;
    QPushButton* forgetButton = nullptr;
    QPushButton* signupButton = nullptr;
    QFrame* horizontalLine = nullptr;

    void login();

public Q_SLOTS:
    void loginButtonClicked() { login(); }
    void enterKeyClicked() { login(); }
    void forgetButtonClicked();
    void signupButtonClicked();

Q_SIGNALS:
    void goToMainView();
    void goToConfirmEmailView();
    void goToSignupView();

private:
    XPlatform& m_platform;
    XAccountRequester* m_requester = nullptr;
};
