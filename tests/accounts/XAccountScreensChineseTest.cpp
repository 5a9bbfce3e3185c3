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
// Built from translations/accounts_zh_CN.ts (tests/accounts/CMakeLists.txt).
struct ChineseInstalled
{
    QTranslator translator;
    ChineseInstalled()
    {
        if (translator.load(QStringLiteral(ACCOUNTS_ZH_CN_QM)))
            QCoreApplication::installTranslator(&translator);
    }
    ~ChineseInstalled() { QCoreApplication::removeTranslator(&translator); }
};

// The Latin words of `text` other than the program's name.
QStringList englishWords(const QString& text)
{
    static const QRegularExpression word(u"[A-Za-z]+"_s);
    QStringList found;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (w != QLatin1String("Tableclick"))
            found << w;
    }
    return found;
}

bool isChinese(const QString& text)
{
    static const QRegularExpression han(u"\\p{Han}"_s);
    return text.contains(han) && englishWords(text).isEmpty();
}

// Every text of `screen` a user can see or hear, with where it is.
QList<std::pair<QString, QString>> shownTexts(QWidget& screen)
{
    QList<std::pair<QString, QString>> texts{{u"window title"_s, screen.windowTitle()}};
    QList<QWidget*> widgets = screen.findChildren<QWidget*>();
    widgets.prepend(&screen);
    for (QWidget* w : widgets) {
        const QString name = w->objectName() + QLatin1Char(' ') + QLatin1String(w->metaObject()->className());
        texts.append({name + u" tool tip"_s, w->toolTip()});
        texts.append({name + u" accessible name"_s, w->accessibleName()});
        if (auto* label = qobject_cast<QLabel*>(w))
            texts.append({name, label->text()});
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts.append({name, button->text()});
        if (auto* field = qobject_cast<QLineEdit*>(w))
            texts.append({name + u" placeholder"_s, field->placeholderText()});
    }
    return texts;
}

struct Chinese : AccountsFixture
{
    ChineseInstalled chinese;
    XSigninViewController signin{platform, service};
    XSignupViewController signup{platform, service};
    XConfirmEmailViewController confirm{platform, service};
    XResetPasswordViewController reset{platform, service};
};
} // namespace

// Catches an English text left on any of the four screens in Chinese.
TEST_F(Chinese, EveryTextOfTheFourScreensIsChinese)
{
    ASSERT_FALSE(chinese.translator.isEmpty()) << ACCOUNTS_ZH_CN_QM;
    for (QWidget* screen : std::initializer_list<QWidget*>{&signin, &signup, &confirm, &reset}) {
        for (const auto& [where, text] : shownTexts(*screen))
            EXPECT_TRUE(englishWords(text).isEmpty()) << screen->objectName().toStdString() << ": "
                                                      << where.toStdString() << ": " << text.toStdString();
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
