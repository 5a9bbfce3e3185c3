// The account screens in Chinese: a text shown without tr(), or left out of the Chinese
// translation, reaches a Chinese user in English, and shows up here.
#include "AccountsFixture.h"

#include "accounts/XConfirmEmailViewController.h"
#include "accounts/XResetPasswordViewController.h"
#include "accounts/XSigninViewController.h"
#include "accounts/XSignupViewController.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {
// A Latin letter outside the program's name.
bool hasEnglish(const QString& text)
{
    return QString(text).remove(u"Tableclick"_s).contains(QRegularExpression(u"[A-Za-z]"_s));
}

bool isChinese(const QString& text)
{
    return text.contains(QRegularExpression(u"\\p{Han}"_s)) && !hasEnglish(text);
}

// Every text of `screen` a user can see or hear.
QStringList shownTexts(QWidget& screen)
{
    QStringList texts{screen.windowTitle()};
    const QList<QWidget*> widgets = screen.findChildren<QWidget*>() << &screen;
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* field = qobject_cast<QLineEdit*>(w))
            texts << field->placeholderText();
    }
    return texts;
}

struct Chinese : AccountsFixture
{
    // Built from translations/accounts_zh_CN.ts (tests/accounts/CMakeLists.txt), installed
    // before the screens are made.
    QTranslator translator;
    bool installed = translator.load(QStringLiteral(ACCOUNTS_ZH_CN_QM)) &&
                     QCoreApplication::installTranslator(&translator);
    XSigninViewController signin{platform, service};
    XSignupViewController signup{platform, service};
    XConfirmEmailViewController confirm{platform, service};
    XResetPasswordViewController reset{platform, service};
    ~Chinese() override { QCoreApplication::removeTranslator(&translator); }
};
} // namespace

// Catches an English text left on any of the four screens in Chinese.
TEST_F(Chinese, EveryTextOfTheFourScreensIsChinese)
{
    ASSERT_TRUE(installed) << ACCOUNTS_ZH_CN_QM;
    for (QWidget* screen : std::initializer_list<QWidget*>{&signin, &signup, &confirm, &reset}) {
        for (const QString& text : shownTexts(*screen))
            EXPECT_FALSE(hasEnglish(text))
                << screen->objectName().toStdString() << ": " << text.toStdString();
    }

    signin.loginButton->click();
    ASSERT_TRUE(waitForAlert(1));
    const XAlert& alert = platform.shownAlerts().back();
    for (const QString& text : {alert.messageText, alert.informativeText, alert.defaultButton})
        EXPECT_TRUE(isChinese(text)) << text.toStdString();
}

// Catches the service's known words shown in English or without their number, or others altered.
TEST_F(Chinese, TheServicesOwnWordsAreShownInChinese)
{
    signin.emailTextField->insert(u"ann@example.org"_s);
    signin.passwordTextField->insert(u"secret123"_s);
    const auto refusal = [&](const QString& message) {
        server.setSuccess(u"/api/mac_user/login"_s, u"false"_s, message);
        const std::size_t before = alertCount();
        signin.loginButton->click();
        return waitForAlert(before + 1) ? lastAlert().second : u"(no alert)"_s;
    };
    EXPECT_TRUE(isChinese(refusal(u"Incorrect e-mail or password."_s)));
    const QString wait = refusal(u"Too many failed sign-ins for this account. Please try again in 42 s."_s);
    EXPECT_TRUE(isChinese(wait) && wait.contains(QLatin1String("42"))) << wait.toStdString();
    EXPECT_EQ(refusal(u"Something new."_s), u"Something new."_s);
}
