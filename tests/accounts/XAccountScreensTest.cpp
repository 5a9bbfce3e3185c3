// The four account screens against a canned service: what each reply shows, what is
// checked before anything is sent, which screen follows, and what is kept.
#include "AccountsFixture.h"

#include "accounts/XConfirmEmailViewController.h"
#include "accounts/XResetPasswordViewController.h"
#include "accounts/XSigninViewController.h"
#include "accounts/XSignupViewController.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {
const QString kLogin = u"/api/mac_user/login"_s;
const QString kRegister = u"/api/mac_user/register"_s;
const QString kConfirm = u"/api/mac_user/email_confirm"_s;
const QString kReset = u"/api/mac_user/reset_password"_s;
const std::pair<QString, QString> kNoAlert;

// What a user types: the field sees it as edited.
void type(QLineEdit* field, const QString& text)
{
    field->clear();
    field->insert(text);
}

struct Screens : AccountsFixture
{
    XSigninViewController signin{platform, service};
    XSignupViewController signup{platform, service};
    XConfirmEmailViewController confirm{platform, service};
    XResetPasswordViewController reset{platform, service};

    Screens() { XSignupViewController::setCheckState({}); }

    // Presses `button` and returns the alert it led to (nothing when none came).
    std::pair<QString, QString> press(QPushButton* button)
    {
        const std::size_t before = alertCount();
        const qsizetype requests = server.requests().size();
        button->click();
        if (server.requests().size() == requests)
            settle(50);
        waitFor([&] { return alertCount() > before; }, 2000);
        return alertCount() > before ? lastAlert() : kNoAlert;
    }

    void fillSignup()
    {
        type(signup.usernameTextField, u"ann"_s);
        type(signup.emailTextField, u"ann@example.org"_s);
        type(signup.passwordSecureTextField, u"secret123"_s);
        type(signup.confirmSecureTextField, u"secret123"_s);
    }
};
} // namespace

// Catches a request sent with an empty field or passwords that differ.
TEST_F(Screens, EmptyFieldsAndMismatchesAreReportedAndSendNothing)
{
    type(signin.emailTextField, u"ann@example.org"_s);
    EXPECT_EQ(press(signin.loginButton),
              std::make_pair(u"Login Failed!"_s, u"You must complete all fields."_s));
    EXPECT_EQ(press(confirm.confirmEmailButton),
              std::make_pair(u"Confirm Email Failed!"_s, u"You must complete Your E-Mail fields."_s))
        << "the confirm screen shares the sign-in e-mail only once shown";
    EXPECT_EQ(press(reset.resetPasswordButton).first, u"Reset Password Failed!"_s);

    fillSignup();
    type(signup.confirmSecureTextField, u"secret124"_s);
    EXPECT_EQ(press(signup.signupButton).second, u"Your entered passwords does not match."_s);
    type(signup.emailTextField, QString());
    EXPECT_EQ(press(signup.signupButton).second, u"You must complete all fields."_s);
    EXPECT_TRUE(server.requests().isEmpty());
}

// Catches sign-up allowed without the agreement ticked in this run, or terms on another page.
TEST_F(Screens, TheAgreementMustHaveBeenClickedOnInThisRunAndTheTermsAreTheServices)
{
    signup.termButton->click();
    ASSERT_EQ(platform.openedUrls().size(), 1u);
    EXPECT_EQ(platform.openedUrls().front(), QUrl(server.url().toString() + u"/legal"_s));
    server.setSuccess(kRegister, u"false"_s);
    fillSignup();
    // Ticked by whatever showed it, never clicked: still not agreed.
    signup.checkBoxButton->setChecked(true);
    EXPECT_EQ(press(signup.signupButton).second, u"Please check term and condition."_s);
    signup.checkBoxButton->click(); // off
    signup.checkBoxButton->click(); // on
    signup.checkBoxButton->click(); // off
    EXPECT_EQ(XSignupViewController::checkState(), u"off"_s);
    EXPECT_EQ(press(signup.signupButton).second, u"Please check term and condition."_s);
    EXPECT_TRUE(server.requests().isEmpty());
    signup.checkBoxButton->click(); // on
    EXPECT_EQ(press(signup.signupButton).second, u"Server Error"_s);
    EXPECT_EQ(server.requests().size(), 1);
}

// Catches a sign-up reply shown with another's text, or a failure that leaves the screen.
TEST_F(Screens, EveryRegisterReplyShowsItsTextAndOnlySuccessLeaves)
{
    const std::vector<std::pair<QString, QString>> failures{
        {u"false"_s, u"Server Error"_s},
        {u"username"_s, u"Username is already exist. Please retry again with another Username."_s},
        {u"email"_s, u"Email is already exist. Please retry again with another Email."_s},
        {u"password"_s, u"At least 1 number and minimum 8 letters !"_s}};
    int leaves = 0;
    QObject::connect(&signup, &XSignupViewController::goToSigninView, [&] { ++leaves; });
    fillSignup();
    signup.checkBoxButton->click();
    for (const auto& [success, text] : failures) {
        server.setSuccess(kRegister, success);
        EXPECT_EQ(press(signup.signupButton), std::make_pair(u"Register Failed!"_s, text))
            << success.toStdString();
    }
    // The service's own words, where it gives them, say more than the screen can guess.
    const QString precise = u"A password needs at least 8 characters and at least 1 digit"_s;
    server.setSuccess(kRegister, u"password"_s, precise);
    EXPECT_EQ(press(signup.signupButton).second, precise);
    EXPECT_EQ(signup.usernameTextField->text(), u"ann"_s) << "a refusal keeps what was typed";
    EXPECT_EQ(leaves, 0);

    server.setSuccess(kRegister, u"true"_s);
    std::size_t alertsWhenLeaving = 0;
    QObject::connect(&signup, &XSignupViewController::goToSigninView,
                     [&] { alertsWhenLeaving = alertCount(); });
    EXPECT_EQ(press(signup.signupButton).first, u"Register Success"_s);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(alertsWhenLeaving, alertCount()) << "left before the success alert was closed";
}

// Catches a sign-in let through on a reply that only looks like success.
TEST_F(Screens, LoginRepliesAndTheBooleanTrueThatIsNoTrue)
{
    int mainViews = 0;
    QObject::connect(&signin, &XSigninViewController::goToMainView, [&] { ++mainViews; });
    signin.show();
    type(signin.emailTextField, u"ann@example.org"_s);
    type(signin.passwordTextField, u"secret123"_s);

    server.setReply(kLogin, {200, QByteArrayLiteral("{\"success\":true,\"message\":\"x\"}")});
    EXPECT_EQ(press(signin.loginButton), kNoAlert);
    EXPECT_EQ(mainViews, 0);

    server.setSuccess(kLogin, u"false"_s);
    const auto refused = press(signin.loginButton);
    EXPECT_EQ(refused.first, u"Login Failed!"_s);
    EXPECT_TRUE(refused.second.startsWith(u"Incorrect username or password.\n*If confirmation"_s));

    server.setSuccess(kLogin, u"true"_s);
    EXPECT_EQ(press(signin.loginButton), kNoAlert);
    EXPECT_EQ(mainViews, 1);
}

// Catches a reset step reached before the one before it succeeded.
TEST_F(Screens, ForgottenPasswordStepsFollowOnlyAfterTheirSuccessAlerts)
{
    int resets = 0, signins = 0;
    std::size_t alertsAtSwitch = 0;
    QObject::connect(&confirm, &XConfirmEmailViewController::goToResetPasswordView, [&] {
        ++resets;
        alertsAtSwitch = alertCount();
    });
    QObject::connect(&reset, &XResetPasswordViewController::goToSigninView, [&] { ++signins; });
    type(confirm.confirmEmailTextField, u"ann@example.org"_s);
    server.setSuccess(kConfirm, u"false"_s);
    EXPECT_EQ(press(confirm.confirmEmailButton).second, u"Incorrect your E-mail."_s);
    server.setSuccess(kConfirm, u"true"_s);
    EXPECT_EQ(press(confirm.confirmEmailButton).first, u"Confirm Email Success"_s);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(alertsAtSwitch, alertCount());

    type(reset.verificationCodeTextField, u"123456"_s);
    type(reset.emailTextField, u"ann@example.org"_s);
    type(reset.passwordSecureTextField, u"short"_s);
    server.setSuccess(kReset, u"false"_s);
    EXPECT_EQ(press(reset.resetPasswordButton).second, u"Incorrect verification Code or Email."_s);
    server.setSuccess(kReset, u"true"_s);
    EXPECT_EQ(press(reset.resetPasswordButton),
              std::make_pair(u"Reset Password Success"_s, u"New Password has updated successful!"_s));
    EXPECT_EQ(signins, 1);
}

// Catches a field filled from another's value, an older version's address lost, a secret in the settings.
TEST_F(Screens, OnlyFieldsThatMeanTheSameShareAValueAndNoSecretIsStored)
{
    platform.preferences().setObject(u"foo1"_s, u"old@example.org"_s);
    signin.show();
    EXPECT_EQ(signin.emailTextField->text(), u"old@example.org"_s);
    signup.show();
    EXPECT_EQ(signup.usernameTextField->text(), QString()) << "an address is no username";

    fillSignup();
    signup.hide();
    signin.hide();
    signin.show();
    EXPECT_EQ(signin.emailTextField->text(), u"ann@example.org"_s);
    type(signin.passwordTextField, u"pw-signin-1"_s);
    reset.show();
    EXPECT_EQ(reset.emailTextField->text(), u"ann@example.org"_s);
    EXPECT_EQ(reset.verificationCodeTextField->text(), QString());
    type(reset.verificationCodeTextField, u"480213"_s);
    type(reset.passwordSecureTextField, u"pw-reset-4"_s);
    signin.hide();
    signup.hide();
    signin.show();
    signup.show();
    EXPECT_EQ(signin.emailTextField->text(), u"ann@example.org"_s);
    EXPECT_EQ(signup.usernameTextField->text(), u"ann"_s);

    ASSERT_TRUE(platform.preferences().synchronize());
    QFile file(platform.preferencesFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    for (const char* secret : {"secret123", "pw-signin-1", "pw-reset-4", "480213"})
        EXPECT_FALSE(stored.contains(secret)) << secret;
}

// Catches typed values trimmed, re-encoded or broken on the way to the service.
TEST_F(Screens, ValuesArrivePercentEncodedExactlyAsTyped)
{
    server.setSuccess(kLogin, u"false"_s);
    const QString email = u"a&b=c+d e@exämple.org"_s;
    const QString password = u"p&ss=w+rd 1 ü%20/#?"_s;
    type(signin.emailTextField, email);
    type(signin.passwordTextField, password);
    press(signin.loginButton);
    ASSERT_EQ(server.requests().size(), 1);
    const QUrlQuery query(server.requests().front());
    EXPECT_EQ(query.queryItemValue(u"email"_s, QUrl::FullyDecoded), email);
    EXPECT_EQ(query.queryItemValue(u"password"_s, QUrl::FullyDecoded), password);
}

// Catches a double press sending two requests.
TEST_F(Screens, ASecondPressWhileARequestIsOutstandingSendsNothing)
{
    server.setReply(kLogin, {200, QByteArrayLiteral("{\"success\":\"false\"}"), true});
    type(signin.emailTextField, u"ann@example.org"_s);
    type(signin.passwordTextField, u"secret123"_s);
    signin.loginButtonClicked();
    ASSERT_TRUE(waitFor([&] { return server.requests().size() == 1; }));
    signin.loginButtonClicked();
    signin.enterKeyClicked();
    settle();
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_FALSE(signin.loginButton->isEnabled());
    server.release();
    ASSERT_TRUE(waitForAlert(1));
    EXPECT_TRUE(signin.loginButton->isEnabled());
    signin.loginButtonClicked();
    EXPECT_TRUE(waitFor([&] { return server.requests().size() == 2; }));
}
