#include "XSignupViewController.h"

#include "XAccountForm.h"
#include "XAccountLook.h"
#include "XAccountRequester.h"
#include "XAccountService.h"
#include "XFieldBinding.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString& sharedCheckState()
{
    static QString state;
    return state;
}
} // namespace

QString XSignupViewController::checkState()
{
    return sharedCheckState();
}

void XSignupViewController::setCheckState(const QString& state)
{
    sharedCheckState() = state;
}

XSignupViewController::XSignupViewController(XPlatform& platform, XAccountService& service, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_service(service)
{
    setObjectName(QStringLiteral("signupView"));
    XAccountForm form = XAccountForm::build(*this, tr("Sign up"), tr("Create a Tableclick account."));
    const QColor placeholder = XAccountLook::kSignupPlaceholder;
    usernameTextField =
        form.addField(QStringLiteral("usernameTextField"), tr("Username"), placeholder, false);
    emailTextField = form.addField(QStringLiteral("emailTextField"), tr("E-Mail"), placeholder, false);
    passwordSecureTextField =
        form.addField(QStringLiteral("passwordSecureTextField"), tr("Password"), placeholder, true);
    passwordSecureTextField->setToolTip(tr("At least 8 characters, at least one of them a digit"));
    confirmSecureTextField =
        form.addField(QStringLiteral("confirmSecureTextField"), tr("Confirm Password"), placeholder, true);
    checkBoxButton = new QCheckBox(tr("I agree to the terms of use"), form.sectionView);
    checkBoxButton->setObjectName(QStringLiteral("checkBoxButton"));
    form.fields->addWidget(checkBoxButton);
    termButton = form.addLink(QStringLiteral("termButton"), tr("Read the terms of use"));
    signupButton = form.addButton(QStringLiteral("signupButton"), tr("Sign up"), XAccountLook::kGreen, 6);
    backButton = form.addLink(QStringLiteral("backButton"), tr("Back to sign in"));
    XFieldBinding::bindUsername(*usernameTextField, platform.preferences());
    XFieldBinding::bindEmail(*emailTextField, platform.preferences());
    m_requester = new XAccountRequester(platform, service, *this);
    connect(m_requester, &XAccountRequester::busyChanged, signupButton, &QWidget::setDisabled);

    connect(signupButton, &QPushButton::clicked, this, &XSignupViewController::registerButtonClicked);
    for (QLineEdit* field :
         {usernameTextField, emailTextField, passwordSecureTextField, confirmSecureTextField})
        connect(field, &QLineEdit::returnPressed, this, &XSignupViewController::enterKeyClicked);
    connect(checkBoxButton, &QCheckBox::clicked, this, &XSignupViewController::agreeCheckClicked);
    connect(termButton, &QPushButton::clicked, this, &XSignupViewController::termButtonClicked);
    connect(backButton, &QPushButton::clicked, this, &XSignupViewController::backButtonClicked);
}

void XSignupViewController::agreeCheckClicked()
{
    setCheckState(checkBoxButton->checkState() != Qt::Unchecked ? QStringLiteral("on")
                                                                : QStringLiteral("off"));
}

void XSignupViewController::termButtonClicked()
{
    m_platform.openUrl(m_service.legalUrl());
}

void XSignupViewController::backButtonClicked()
{
    XLogIn(lcAccounts(), "button from Signin View Controller clicked");
    Q_EMIT goToSigninView();
}

void XSignupViewController::fail(const QString& informativeText)
{
    runModalWithhMessageText(m_platform, tr("Register Failed!"), informativeText, tr("Ok"), {}, {}, this);
}

void XSignupViewController::signup()
{
    const QString username = usernameTextField->text();
    const QString email = emailTextField->text();
    const QString password = passwordSecureTextField->text();
    const QString confirmation = confirmSecureTextField->text();
    if (username.isEmpty() || email.isEmpty() || password.isEmpty() || confirmation.isEmpty())
        return fail(tr("You must complete all fields."));
    if (password != confirmation)
        return fail(tr("Your entered passwords does not match."));
    if (checkState() != QLatin1String("on"))
        return fail(tr("Please check term and condition."));
    m_requester->send(
        QStringLiteral("/api/mac_user/register"),
        {{QStringLiteral("username"), username},
         {QStringLiteral("email"), email},
         {QStringLiteral("password"), password}},
        true, [this](const QString& success, const XAccountReply& reply) {
            if (success == QLatin1String("true")) {
                runModalWithhMessageText(
                    m_platform, tr("Register Success"),
                    tr("You have successfully registered a new account. We've sent you a Email. Please "
                       "click on the confirmation link to verify your account!") +
                        XWhereMailLands(m_service.baseUrl()),
                    tr("Ok"), {}, {}, this);
                passwordSecureTextField->clear();
                confirmSecureTextField->clear();
                XLogIn(lcAccounts(), "button from Main View Controller clicked");
                Q_EMIT goToSigninView();
            } else if (success == QLatin1String("false")) {
                fail(XServiceText(reply, tr("Server Error")));
            } else if (success == QLatin1String("username")) {
                fail(XServiceText(
                    reply, tr("Username is already exist. Please retry again with another Username.")));
            } else if (success == QLatin1String("email")) {
                fail(XServiceText(reply,
                                  tr("Email is already exist. Please retry again with another Email.")));
            } else if (success == QLatin1String("password")) {
                fail(XServiceText(reply, tr("At least 1 number and minimum 8 letters !")));
            }
        });
}
