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

namespace {
const QString kLogin = QStringLiteral("/api/mac_user/login");
const QString kRegister = QStringLiteral("/api/mac_user/register");
const QString kConfirm = QStringLiteral("/api/mac_user/email_confirm");
const QString kReset = QStringLiteral("/api/mac_user/reset_password");
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
        type(signup.usernameTextField, QStringLiteral("ann"));
        type(signup.emailTextField, QStringLiteral("ann@example.org"));
        type(signup.passwordSecureTextField, QStringLiteral("secret123"));
        type(signup.confirmSecureTextField, QStringLiteral("secret123"));
    }
};
} // namespace

// Catches a request sent with an empty field or passwords that differ.
TEST_F(Screens, EmptyFieldsAndMismatchesAreReportedAndSendNothing)
{
    type(signin.emailTextField, QStringLiteral("ann@example.org"));
    EXPECT_EQ(press(signin.loginButton),
              std::make_pair(QStringLiteral("Login Failed!"), QStringLiteral("You must complete all fields.")));
    EXPECT_EQ(press(confirm.confirmEmailButton).second, QStringLiteral("You must complete Your E-Mail fields."))
        << "the confirm screen shares the sign-in e-mail only once shown";
    type(confirm.confirmEmailTextField, QString());
    EXPECT_EQ(press(confirm.confirmEmailButton),
              std::make_pair(QStringLiteral("Confirm Email Failed!"),
                             QStringLiteral("You must complete Your E-Mail fields.")));
    EXPECT_EQ(press(reset.resetPasswordButton).first, QStringLiteral("Reset Password Failed!"));

    fillSignup();
    type(signup.confirmSecureTextField, QStringLiteral("secret124"));
    EXPECT_EQ(press(signup.signupButton).second, QStringLiteral("Your entered passwords does not match."));
    type(signup.emailTextField, QString());
    EXPECT_EQ(press(signup.signupButton).second, QStringLiteral("You must complete all fields."));
    EXPECT_TRUE(server.requests().isEmpty());
}

// Catches sign-up allowed without the agreement ticked in this run.
TEST_F(Screens, TheAgreementMustHaveBeenClickedOnInThisRun)
{
    server.setSuccess(kRegister, QStringLiteral("false"));
    fillSignup();
    // Ticked by whatever showed it, never clicked: still not agreed.
    signup.checkBoxButton->setChecked(true);
    EXPECT_EQ(press(signup.signupButton).second, QStringLiteral("Please check term and condition."));
    signup.checkBoxButton->click(); // off
    signup.checkBoxButton->click(); // on
    signup.checkBoxButton->click(); // off
    EXPECT_EQ(XSignupViewController::checkState(), QStringLiteral("off"));
    EXPECT_EQ(press(signup.signupButton).second, QStringLiteral("Please check term and condition."));
    EXPECT_TRUE(server.requests().isEmpty());
    signup.checkBoxButton->click(); // on
    EXPECT_EQ(press(signup.signupButton).second, QStringLiteral("Server Error"));
    EXPECT_EQ(server.requests().size(), 1);
}

// Catches a sign-up reply shown with another's text, or a failure that leaves the screen.
TEST_F(Screens, EveryRegisterReplyShowsItsTextAndOnlySuccessLeaves)
{
    const std::vector<std::pair<QString, QString>> failures{
        {QStringLiteral("false"), QStringLiteral("Server Error")},
        {QStringLiteral("username"),
         QStringLiteral("Username is already exist. Please retry again with another Username.")},
        {QStringLiteral("email"), QStringLiteral("Email is already exist. Please retry again with another Email.")},
        {QStringLiteral("password"), QStringLiteral("At least 1 number and minimum 8 letters !")}};
    int leaves = 0;
    QObject::connect(&signup, &XSignupViewController::goToSigninView, [&] { ++leaves; });
    fillSignup();
    signup.checkBoxButton->click();
    for (const auto& [success, text] : failures) {
        server.setSuccess(kRegister, success);
        EXPECT_EQ(press(signup.signupButton), std::make_pair(QStringLiteral("Register Failed!"), text)) << success.toStdString();
    }
    // The service's own words, where it gives them, say more than the screen can guess.
    const QString precise = QStringLiteral("A password needs at least 8 characters and at least 1 digit");
    server.setSuccess(kRegister, QStringLiteral("password"), precise);
    EXPECT_EQ(press(signup.signupButton).second, precise);
    EXPECT_EQ(signup.usernameTextField->text(), QStringLiteral("ann")) << "a refusal keeps what was typed";
    EXPECT_EQ(leaves, 0);

    server.setSuccess(kRegister, QStringLiteral("true"));
    std::size_t alertsWhenLeaving = 0;
    QObject::connect(&signup, &XSignupViewController::goToSigninView, [&] { alertsWhenLeaving = alertCount(); });
    EXPECT_EQ(press(signup.signupButton).first, QStringLiteral("Register Success"));
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(alertsWhenLeaving, alertCount()) << "left before the success alert was closed";

    server.setSuccess(kRegister, QStringLiteral("who knows"));
    fillSignup();
    EXPECT_EQ(press(signup.signupButton), kNoAlert) << "an unknown value does nothing";
}

// Catches a sign-in let through on a reply that only looks like success.
TEST_F(Screens, LoginRepliesAndTheBooleanTrueThatIsNoTrue)
{
    int mainViews = 0;
    QObject::connect(&signin, &XSigninViewController::goToMainView, [&] { ++mainViews; });
    signin.show();
    type(signin.emailTextField, QStringLiteral("ann@example.org"));
    type(signin.passwordTextField, QStringLiteral("secret123"));

    server.setReply(kLogin, {200, QByteArrayLiteral("{\"success\":true,\"message\":\"x\"}")});
    EXPECT_EQ(press(signin.loginButton), kNoAlert);
    EXPECT_EQ(mainViews, 0);

    server.setSuccess(kLogin, QStringLiteral("false"));
    const auto refused = press(signin.loginButton);
    EXPECT_EQ(refused.first, QStringLiteral("Login Failed!"));
    EXPECT_TRUE(refused.second.startsWith(QStringLiteral("Incorrect username or password.\n*If confirmation")));

    server.setSuccess(kLogin, QStringLiteral("true"));
    EXPECT_EQ(press(signin.loginButton), kNoAlert);
    EXPECT_EQ(mainViews, 1);
    EXPECT_TRUE(signin.emailTextField->isHidden());
    EXPECT_TRUE(signin.loginButton->isHidden());
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
    type(confirm.confirmEmailTextField, QStringLiteral("ann@example.org"));
    server.setSuccess(kConfirm, QStringLiteral("false"));
    EXPECT_EQ(press(confirm.confirmEmailButton).second, QStringLiteral("Incorrect your E-mail."));
    server.setSuccess(kConfirm, QStringLiteral("true"));
    EXPECT_EQ(press(confirm.confirmEmailButton).first, QStringLiteral("Confirm Email Success"));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(alertsAtSwitch, alertCount());

    type(reset.verificationCodeTextField, QStringLiteral("123456"));
    type(reset.emailTextField, QStringLiteral("ann@example.org"));
    type(reset.passwordSecureTextField, QStringLiteral("short"));
    server.setSuccess(kReset, QStringLiteral("password"));
    EXPECT_EQ(press(reset.resetPasswordButton).second, QStringLiteral("At least 1 number and minimum 8 letters !"));
    server.setSuccess(kReset, QStringLiteral("false"));
    EXPECT_EQ(press(reset.resetPasswordButton).second, QStringLiteral("Incorrect verification Code or Email."));
    server.setSuccess(kReset, QStringLiteral("true"));
    EXPECT_EQ(press(reset.resetPasswordButton),
              std::make_pair(QStringLiteral("Reset Password Success"),
                             QStringLiteral("New Password has updated successful!")));
    EXPECT_EQ(signins, 1);
}

// Catches a field filled from another's value, an older version's address lost, a secret in the settings.
TEST_F(Screens, OnlyFieldsThatMeanTheSameShareAValueAndNoSecretIsStored)
{
    platform.preferences().setObject(QStringLiteral("foo1"), QStringLiteral("old@example.org"));
    signin.show();
    EXPECT_EQ(signin.emailTextField->text(), QStringLiteral("old@example.org"));
    signup.show();
    EXPECT_EQ(signup.usernameTextField->text(), QString()) << "an address is no username";

    fillSignup();
    signup.hide();
    signin.hide();
    signin.show();
    EXPECT_EQ(signin.emailTextField->text(), QStringLiteral("ann@example.org"));
    type(signin.passwordTextField, QStringLiteral("pw-signin-1"));
    confirm.show();
    EXPECT_EQ(confirm.confirmEmailTextField->text(), QStringLiteral("ann@example.org"));
    reset.show();
    EXPECT_EQ(reset.emailTextField->text(), QStringLiteral("ann@example.org"));
    EXPECT_EQ(reset.verificationCodeTextField->text(), QString());
    type(reset.verificationCodeTextField, QStringLiteral("480213"));
    type(reset.passwordSecureTextField, QStringLiteral("pw-reset-4"));
    signin.hide();
    signup.hide();
    signin.show();
    signup.show();
    EXPECT_EQ(signin.emailTextField->text(), QStringLiteral("ann@example.org"));
    EXPECT_EQ(signup.usernameTextField->text(), QStringLiteral("ann"));

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
    server.setSuccess(kLogin, QStringLiteral("false"));
    const QString email = QStringLiteral("a&b=c+d e@exämple.org");
    const QString password = QStringLiteral("p&ss=w+rd 1 ü%20");
    type(signin.emailTextField, email);
    type(signin.passwordTextField, password);
    press(signin.loginButton);
    ASSERT_EQ(server.requests().size(), 1);
    const QUrl sent = server.requests().front();
    const QString raw = sent.query(QUrl::FullyEncoded);
    EXPECT_EQ(raw.count(QLatin1Char('&')), 1) << raw.toStdString();
    EXPECT_EQ(raw.count(QLatin1Char('=')), 2) << raw.toStdString();
    EXPECT_FALSE(raw.contains(QLatin1Char('+')));
    EXPECT_FALSE(raw.contains(QLatin1Char(' ')));
    const QUrlQuery query(sent);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("email"), QUrl::FullyDecoded), email);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded), password);
}

// Catches a double press sending two requests.
TEST_F(Screens, ASecondPressWhileARequestIsOutstandingSendsNothing)
{
    server.setReply(kLogin, {200, QByteArrayLiteral("{\"success\":\"false\"}"), true});
    type(signin.emailTextField, QStringLiteral("ann@example.org"));
    type(signin.passwordTextField, QStringLiteral("secret123"));
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

// Catches the terms link opening another page.
TEST_F(Screens, TermsOpenTheServicesLegalPage)
{
    signup.termButton->click();
    ASSERT_EQ(platform.openedUrls().size(), 1u);
    EXPECT_EQ(platform.openedUrls().front(), QUrl(server.url().toString() + QStringLiteral("/legal")));
}
