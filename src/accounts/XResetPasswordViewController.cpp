#include "XResetPasswordViewController.h"

#include "XAccountForm.h"
#include "XAccountLook.h"
#include "XAccountRequester.h"
#include "XFieldBinding.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QLineEdit>
#include <QPushButton>

XResetPasswordViewController::XResetPasswordViewController(XPlatform& platform, XAccountService& service,
                                                           QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("resetPasswordView"));
    XAccountForm form =
        XAccountForm::build(*this, tr("New password"), tr("Type the code from the mail and a new password."));
    const QColor placeholder = XAccountLook::kGreyPlaceholder;
    verificationCodeTextField = form.addField(QStringLiteral("verificationCodeTextField"),
                                              tr("Verification Code"), placeholder, false);
    emailTextField = form.addField(QStringLiteral("emailTextField"), tr("E-Mail"), placeholder, false);
    passwordSecureTextField =
        form.addField(QStringLiteral("passwordSecureTextField"), tr("New Password"), placeholder, true);
    passwordSecureTextField->setToolTip(tr("At least 8 characters, at least one of them a digit"));
    resetPasswordButton = form.addButton(QStringLiteral("resetPasswordButton"), tr("Set the password"),
                                         XAccountLook::kOrange, 6);
    backButton = form.addButton(QStringLiteral("backButton"), tr("Back"), XAccountLook::kGreen, 6);
    // The code is good for one reset: it is not kept.
    XFieldBinding::bindEmail(*emailTextField, platform.preferences());
    m_requester = new XAccountRequester(platform, service, *this);
    connect(m_requester, &XAccountRequester::busyChanged, resetPasswordButton, &QWidget::setDisabled);

    connect(resetPasswordButton, &QPushButton::clicked, this,
            &XResetPasswordViewController::resetPasswordClicked);
    for (QLineEdit* field : {verificationCodeTextField, emailTextField, passwordSecureTextField})
        connect(field, &QLineEdit::returnPressed, this, &XResetPasswordViewController::enterKeyClicked);
    connect(backButton, &QPushButton::clicked, this, &XResetPasswordViewController::backClicked);
}

void XResetPasswordViewController::backClicked()
{
    XLogIn(lcAccounts(), "button from Signin View Controller clicked");
    Q_EMIT goToSigninView();
}

void XResetPasswordViewController::fail(const QString& informativeText)
{
    runModalWithhMessageText(m_platform, tr("Reset Password Failed!"), informativeText, tr("Ok"), {}, {},
                             this);
}

void XResetPasswordViewController::reset()
{
    const QString code = verificationCodeTextField->text();
    const QString email = emailTextField->text();
    const QString password = passwordSecureTextField->text();
    if (code.isEmpty() || email.isEmpty() || password.isEmpty())
        return fail(tr("You must complete all fields."));
    m_requester->send(QStringLiteral("/api/mac_user/reset_password"),
                      {{QStringLiteral("confirm_code"), code},
                       {QStringLiteral("email"), email},
                       {QStringLiteral("new_password"), password}},
                      false, [this](const QString& success, const XAccountReply& reply) {
                          if (success == QLatin1String("true")) {
                              runModalWithhMessageText(m_platform, tr("Reset Password Success"),
                                                       tr("New Password has updated successful!"), tr("Ok"),
                                                       {}, {}, this);
                              passwordSecureTextField->clear();
                              XLogIn(lcAccounts(), "button from Main View Controller clicked");
                              Q_EMIT goToSigninView();
                          } else if (success == QLatin1String("false")) {
                              fail(XServiceText(reply, tr("Incorrect verification Code or Email.")));
                          } else if (success == QLatin1String("password")) {
                              fail(XServiceText(reply, tr("At least 1 number and minimum 8 letters !")));
                          }
                      });
}
