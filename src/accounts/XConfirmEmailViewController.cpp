#include "XConfirmEmailViewController.h"

#include "XAccountForm.h"
#include "XAccountLook.h"
#include "XAccountRequester.h"
#include "XAccountService.h"
#include "XFieldBinding.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QLineEdit>
#include <QPushButton>

XConfirmEmailViewController::XConfirmEmailViewController(XPlatform& platform, XAccountService& service,
                                                         QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("confirmEmailView"));
    XAccountForm form = XAccountForm::build(*this, tr("Forgot your password?"),
                                            tr("We will mail a verification code to your address."));
    confirmEmailTextField = form.addField(QStringLiteral("confirmEmailTextField"), tr("E-Mail"),
                                          XAccountLook::kGreyPlaceholder, false);
    confirmEmailButton =
        form.addButton(QStringLiteral("confirmEmailButton"), tr("Send the code"), XAccountLook::kOrange, 6);
    backButton = form.addButton(QStringLiteral("backButton"), tr("Back"), XAccountLook::kGreen, 6);
    XFieldBinding::bindEmail(*confirmEmailTextField, platform.preferences());
    m_requester = new XAccountRequester(platform, service, *this);
    connect(m_requester, &XAccountRequester::busyChanged, confirmEmailButton, &QWidget::setDisabled);

    connect(confirmEmailButton, &QPushButton::clicked, this,
            &XConfirmEmailViewController::confirmEmailClicked);
    connect(confirmEmailTextField, &QLineEdit::returnPressed, this,
            &XConfirmEmailViewController::enterKeyClicked);
    connect(backButton, &QPushButton::clicked, this, &XConfirmEmailViewController::backClicked);
}

void XConfirmEmailViewController::backClicked()
{
    XLogIn(lcAccounts(), "button from Signin View Controller clicked");
    Q_EMIT goToSigninView();
}

void XConfirmEmailViewController::confirmEmail()
{
    const QString email = confirmEmailTextField->text();
    if (email.isEmpty()) {
        runModalWithhMessageText(m_platform, tr("Confirm Email Failed!"),
                                 tr("You must complete Your E-Mail fields."), tr("Ok"), {}, {}, this);
        return;
    }
    m_requester->send(QStringLiteral("/api/mac_user/email_confirm"), {{QStringLiteral("email"), email}},
                      false, [this](const QString& success, const XAccountReply& reply) {
                          if (success == QLatin1String("true")) {
                              runModalWithhMessageText(m_platform, tr("Confirm Email Success"),
                                                       tr("We've sent a verification code to your "
                                                          "Email. Please check and reset password!") +
                                                           XWhereMailLands(m_requester->serviceUrl()),
                                                       tr("Ok"), {}, {}, this);
                              XLogIn(lcAccounts(), "button from Main View Controller clicked");
                              Q_EMIT goToResetPasswordView();
                          } else if (success == QLatin1String("false")) {
                              runModalWithhMessageText(m_platform, tr("Confirm Email Failed!"),
                                                       XServiceText(reply, tr("Incorrect your E-mail.")),
                                                       tr("Ok"), {}, {}, this);
                          }
                      });
}
