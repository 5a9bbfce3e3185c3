#include "XSigninViewController.h"

#include "XAccountForm.h"
#include "XAccountLook.h"
#include "XAccountRequester.h"
#include "XFieldBinding.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

XSigninViewController::XSigninViewController(XPlatform& platform, XAccountService& service, QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("signinView"));
    XAccountForm form = XAccountForm::build(*this, tr("Sign in"), tr("Sign in to your Tableclick account."));
    emailTextField = form.addField(QStringLiteral("emailTextField"), tr("E-Mail"),
                                   XAccountLook::kSigninPlaceholder, false);
    passwordTextField = form.addField(QStringLiteral("passwordTextField"), tr("Password"),
                                      XAccountLook::kSigninPlaceholder, true);
    loginButton = form.addButton(QStringLiteral("loginButton"), tr("Sign in"), XAccountLook::kGreen, 6);
    forgetButton = form.addLink(QStringLiteral("forgetButton"), tr("Forgot your password?"));
    horizontalLine = new QFrame(form.sectionView);
    horizontalLine->setObjectName(QStringLiteral("horizontalLine"));
    horizontalLine->setFrameShape(QFrame::HLine);
    horizontalLine->setFrameShadow(QFrame::Sunken);
    form.fields->addWidget(horizontalLine);
    signupButton = form.addLink(QStringLiteral("signupButton"), tr("No account yet? Sign up"));
    // Only the e-mail is kept between runs; a password never is.
    XFieldBinding::bindEmail(*emailTextField, platform.preferences());
    m_requester = new XAccountRequester(platform, service, *this);
    connect(m_requester, &XAccountRequester::busyChanged, loginButton, &QWidget::setDisabled);

    connect(loginButton, &QPushButton::clicked, this, &XSigninViewController::loginButtonClicked);
    connect(emailTextField, &QLineEdit::returnPressed, this, &XSigninViewController::enterKeyClicked);
    connect(passwordTextField, &QLineEdit::returnPressed, this, &XSigninViewController::enterKeyClicked);
    connect(forgetButton, &QPushButton::clicked, this, &XSigninViewController::forgetButtonClicked);
    connect(signupButton, &QPushButton::clicked, this, &XSigninViewController::signupButtonClicked);
}

void XSigninViewController::forgetButtonClicked()
{
    XLogIn(lcAccounts(), "button from Confirm Email View Controller clicked");
    Q_EMIT goToConfirmEmailView();
}

void XSigninViewController::signupButtonClicked()
{
    XLogIn(lcAccounts(), "button from Main View Controller clicked");
    Q_EMIT goToSignupView();
}

void XSigninViewController::login()
{
    const QString email = emailTextField->text();
    const QString password = passwordTextField->text();
    if (email.isEmpty() || password.isEmpty()) {
        runModalWithhMessageText(m_platform, tr("Login Failed!"), tr("You must complete all fields."),
                                 tr("Ok"), {}, {}, this);
        return;
    }
    m_requester->send(QStringLiteral("/api/mac_user/login"),
                      {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}}, true,
                      [this](const QString& success, const XAccountReply& reply) {
                          if (success == QLatin1String("true")) {
                              emailTextField->hide();
                              passwordTextField->hide();
                              loginButton->hide();
                              passwordTextField->clear();
                              XLogIn(lcAccounts(), "button from Main View Controller clicked");
                              Q_EMIT goToMainView();
                          } else if (success == QLatin1String("false")) {
                              const int answer = runModalWithhMessageText(
                                  m_platform, tr("Login Failed!"),
                                  XServiceText(reply, tr("Incorrect username or password.\n*If "
                                                         "confirmation E-mail hasn't confirmed, it'll "
                                                         "create an Error Log-in Message.")),
                                  tr("Ok"), {}, {}, this);
                              if (answer == 1)
                                  XLogIn(lcAccounts(), "if (returnCode == NSAlertFirstButtonReturn)");
                          }
                      });
}
