#include "app/XTranslation.h"
#include "app/XAppDelegate.h"
#include "app/XMainWindowViewController.h"
#include "catalogue/BetCatalogue.h"
#include "overlay/XGridWindowController.h"
#include "panel/XBetButtonsView.h"
#include "panel/XGridManagerView.h"
#include "panel/XGridManagerViewController.h"
#include "panel/XNumberButton.h"
#include "platform/XFakePlatform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {
const QString kSourceDir = QStringLiteral(TABLECLICK_SOURCE_DIR);

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[0-9]+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Everything a user can read on a widget tree: texts, tips, placeholders, titles, tabs, items,
// headers and menu entries.
QStringList visibleTexts(const QWidget& root)
{
    QStringList texts{root.windowTitle(), root.toolTip()};
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* line = qobject_cast<QLineEdit*>(w))
            texts << line->text() << line->placeholderText();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        }
        if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->menu()) {
            for (const QAction* action : tool->menu()->actions())
                texts << action->text();
        }
    }
    return texts;
}

// Words Chinese users read in Latin letters too: the program's name, key names, and the
// letters of the wheel's distance columns.
bool isLatinWordAllowedInChinese(const QString& word)
{
    static const QSet<QString> allowed{
        QStringLiteral("Tableclick"), QStringLiteral("Ctrl"),  QStringLiteral("Alt"), QStringLiteral("Meta"),
        QStringLiteral("Shift"),      QStringLiteral("Super"), QStringLiteral("Esc"), QStringLiteral("ABC"),
        QStringLiteral("DEF"),        QStringLiteral("GHI"),   QStringLiteral("JKL"), QStringLiteral("MNO"),
        QStringLiteral("PQR")};
    return word.size() < 3 || allowed.contains(word);
}

// A bet's tip names the bet ("REDTOP: 1, 3, …"): that name is an identifier, not a text.
QString withoutBetNames(QString text)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0 && BetCatalogue::shared().entryNamed(line.left(colon)))
            text.replace(line, QString());
    }
    return text;
}

// What the main window and the grid's show, every bet page built, the pointer over a number.
QStringList shownTexts()
{
    XFakePlatform platform;
    XAppDelegate delegate{platform};
    delegate.goToMainView();
    XGridManagerViewController* bets = delegate.mainViewController()->gridManagerViewController();
    XBetButtonsView* pages = bets->view()->betButtonsView;
    for (int i = 0; i < pages->count(); ++i)
        pages->setCurrentIndex(i);
    XNumberButton* seven = bets->view()->findChild<XNumberButton*>(QStringLiteral("numberButton7"));
    EXPECT_NE(seven, nullptr);
    if (seven) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(seven, &enter);
    }
    EXPECT_FALSE(bets->view()->displayTextField->text().isEmpty());
    return visibleTexts(*delegate.window()) +
           visibleTexts(*delegate.mainViewController()->gridWindowController()->window());
}
} // namespace

// Catches a text of the code missing from a translation file or left unfinished (it would show
// untranslated), and a translation that drops or invents a %1 (its .arg() would then put the
// value in the wrong place or nowhere).
TEST(Translations, EveryTextOfTheCodeHasAFinishedTranslationInBothLanguages)
{
    // Copies of the translation files brought up to what the code holds now, by the script the
    // translators use.
    QTemporaryDir scratch;
    QStringList copies;
    for (const char* language : {"en", "zh_CN"}) {
        const QString name = QStringLiteral("tableclick_%1.ts").arg(QLatin1String(language));
        ASSERT_TRUE(
            QFile::copy(kSourceDir + QStringLiteral("/translations/") + name, scratch.filePath(name)));
        copies << scratch.filePath(name);
    }
    ASSERT_EQ(QProcess::execute(kSourceDir + QStringLiteral("/scripts/update-translations"), copies), 0);
    for (const QString& path : copies) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString translation = xml.readElementText();
                EXPECT_TRUE(finished && !translation.isEmpty())
                    << "scripts/update-translations, then translate in " << qPrintable(path) << ": \""
                    << qPrintable(source) << '"';
                EXPECT_EQ(placeholders(translation), placeholders(source))
                    << qPrintable(source) << " → " << qPrintable(translation);
            }
        }
        EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
        EXPECT_GT(messages, 300) << qPrintable(path);
    }
}

// Catches a visible text shown without tr() (its Latin words stay in the Chinese window, or
// its Chinese stays in the English one).
TEST(Translations, WindowsShowOnlyTheChosenLanguage)
{
    static const QRegularExpression chinese(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]+"));
    for (const QString& language : {QStringLiteral("zh_CN"), QStringLiteral("en")}) {
        // Its destructor takes it out of the application again.
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("tableclick_") + language,
                                    QStringLiteral(TABLECLICK_BUILD_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&translator);
        for (const QString& text : shownTexts()) {
            if (language == QLatin1String("en")) {
                EXPECT_FALSE(chinese.match(text).hasMatch())
                    << "Chinese in the English window: " << qPrintable(text);
                continue;
            }
            for (const QRegularExpressionMatch& word : latinWord.globalMatch(withoutBetNames(text)))
                EXPECT_TRUE(isLatinWordAllowedInChinese(word.captured()))
                    << "untranslated \"" << qPrintable(word.captured()) << "\" in \"" << qPrintable(text)
                    << '"';
        }
    }
}

// Catches a desktop's first Chinese or English choice ignored, a language asked for overruled,
// or no English where neither is on the desktop.
TEST(Translations, TheDesktopsLanguageOrTheAskedOneChoosesChineseOrElseEnglish)
{
    EXPECT_EQ(XChooseLanguage(std::nullopt, {QStringLiteral("de-DE"), QStringLiteral("zh-TW")}), "zh_CN");
    EXPECT_EQ(XChooseLanguage(std::nullopt, {QStringLiteral("en-GB"), QStringLiteral("zh-CN")}), "en");
    EXPECT_EQ(XChooseLanguage(std::nullopt, {QStringLiteral("fr-FR")}), "en");
    EXPECT_EQ(XChooseLanguage(QStringLiteral("zh"), {QStringLiteral("en-US")}), "zh_CN");
}
