#include "app/XAutoSaver.h"
#include "app/XAppDelegate.h"
#include "app/XMainWindowViewController.h"
#include "platform/XFakePlatform.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {
const QString kBetListKey = QStringLiteral("kXGridManagerViewControllerDataSourceKey");

struct AutoSaverFixture : testing::Test
{
    XFakePlatform platform;
    int saves = 0;
    QStringList keysWritten;
    XAppDelegate delegate{platform};
    XAutoSaver saver{platform,
                     [this] {
                         ++saves;
                         delegate.saveState();
                     },
                     delegate.window()};

    void SetUp() override
    {
        platform.preferences().setWriteObserver([this](const QString& key) { keysWritten << key; });
    }
    void pressNumber(int number, bool noted = true)
    {
        auto* button = delegate.mainViewController()->view()->findChild<QAbstractButton*>(
            QStringLiteral("numberButton%1").arg(number));
        ASSERT_NE(button, nullptr);
        button->click();
        if (noted)
            saver.noteChange();
    }
    QVariant inFile(const QString& key) const
    {
        return QSettings(platform.preferencesFile(), QSettings::IniFormat).value(key);
    }
    bool settled() const { return !saver.hasUnsavedChange() && !saver.isWriting(); }
};
} // namespace

// Catches a change never saved, saved in another order than a close, once per keystroke, or put
// off for as long as changes keep coming.
TEST_F(AutoSaverFixture, AChangeReachesTheFileSoonInTheOrderOfACloseOnceForABurstAndEvenIfChangesNeverStop)
{
    delegate.goToMainView();
    keysWritten.clear();
    pressNumber(17);
    pressNumber(5);
    pressNumber(17);
    EXPECT_EQ(saves, 0) << "nothing is saved on the press itself";
    ASSERT_TRUE(QTest::qWaitFor([&] { return inFile(kBetListKey).toList().size() == 3; }, 5000));
    EXPECT_EQ(saves, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled(); }));

    const QStringList asYouGo = keysWritten;
    // A change every 20 ms would put a plain debounce off for ever.
    saver.setDelays(100, 300);
    const int before = saves;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            saver.noteChange();
            QTest::qWait(20);
            return saves > before;
        },
        5000));

    keysWritten.clear();
    delegate.windowShouldClose();
    EXPECT_EQ(keysWritten, asYouGo) << "the same keys in the same order as at the close";
    EXPECT_TRUE(asYouGo.indexOf(kBetListKey) >
                asYouGo.indexOf(QStringLiteral("kXAddMouseActionViewControllerTableArrayKey")));
    EXPECT_TRUE(asYouGo.indexOf(kBetListKey) < asYouGo.indexOf(QStringLiteral("kXGridWindowDataKey")));
}

// Catches a failed write kept silent, alerted on every try, or never tried again.
TEST_F(AutoSaverFixture, AFailedWriteIsShownOnceNamingTheFileAndTriedAgainAfterTheNextChange)
{
    const QString file = platform.preferencesFile();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    std::vector<XStoreWriteResult> results;
    QObject::connect(&saver, &XAutoSaver::written,
                     [&results](const XStoreWriteResult& r) { results.push_back(r); });

    platform.preferences().setInteger(QStringLiteral("k"), 1);
    saver.noteChange();
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 1; }, 5000));
    EXPECT_FALSE(results[0].written());
    ASSERT_EQ(platform.shownAlerts().size(), 1u);
    EXPECT_TRUE(platform.shownAlerts()[0].informativeText.contains(file));

    saver.noteChange();
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 2; }, 5000));
    EXPECT_FALSE(results[1].written());
    EXPECT_EQ(platform.shownAlerts().size(), 1u) << "once per session";

    ASSERT_TRUE(QDir(file).removeRecursively());
    saver.noteChange();
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 3; }, 5000));
    EXPECT_TRUE(results[2].written());
    EXPECT_EQ(inFile(QStringLiteral("k")).toInt(), 1);
    EXPECT_EQ(platform.shownAlerts().size(), 1u);
}

// Catches edits in the windows that never start a save.
TEST_F(AutoSaverFixture, InputInTheApplicationsWindowsCountsAsAChange)
{
    saver.watchApplicationInput();
    QWidget widget;
    widget.resize(100, 100);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled(); }, 5000)) << "showing it may count too";
    QTest::mouseClick(widget.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(saver.hasUnsavedChange());
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled(); }, 5000));
    QTest::keyClick(widget.windowHandle(), Qt::Key_A);
    EXPECT_TRUE(saver.hasUnsavedChange());
}

// Catches the last change lost when the program quits.
TEST_F(AutoSaverFixture, BeforeTheProgramEndsTheLatestStateIsWrittenAtOnce)
{
    delegate.goToMainView();
    pressNumber(9);
    saver.saveBeforeExit(true);
    EXPECT_EQ(inFile(kBetListKey).toList().size(), 1);

    // Off the main thread (a fatal message) only what the store holds is written.
    pressNumber(10);
    saver.saveBeforeExit(false);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(inFile(kBetListKey).toList().size(), 1);

    // On the main thread the widgets are read even when no input noted the change (a hot
    // key, a key still held when the display went).
    saver.saveBeforeExit(true);
    pressNumber(11, false);
    saver.saveBeforeExit(true);
    EXPECT_EQ(inFile(kBetListKey).toList().size(), 3);
}
