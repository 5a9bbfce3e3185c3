#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class XAccountRequester;
class XAccountService;
class XPlatform;

// The sign-up screen: user name, e-mail, password twice and the agreement, then back to
// sign in.
class XSignupViewController : public QWidget
{
    Q_OBJECT
public:
    XSignupViewController(XPlatform& platform, XAccountService& service, QWidget* parent = nullptr);

    // The agreement box as last clicked in this process: "on", "off", or unset.
    static QString checkState();
    static void setCheckState(const QString& state);

    QLineEdit* usernameTextField = nullptr;
    QLineEdit* emailTextField = nullptr;
    QLineEdit* passwordSecureTextField = nullptr;
    QLineEdit* confirmSecureTextField = nullptr;
    QCheckBox* checkBoxButton = nullptr;
    QPushButton* termButton = nullptr;
    QPushButton* signupButton = nullptr;
    QPushButton* backButton = nullptr;

    void signup();

public Q_SLOTS:
    void registerButtonClicked() { signup(); }
    void enterKeyClicked() { signup(); }
    void agreeCheckClicked();
    void termButtonClicked();
    void backButtonClicked();

Q_SIGNALS:
    void goToSigninView();

private:
    void fail(const QString& informativeText);

    XPlatform& m_platform;
    XAccountService& m_service;
    XAccountRequester* m_requester = nullptr;
};
