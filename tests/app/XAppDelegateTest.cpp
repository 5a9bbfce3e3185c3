#include "app/XAppDelegate.h"
#include "accounts/XAccountService.h"
#include "accounts/XConfirmEmailViewController.h"
#include "accounts/XResetPasswordViewController.h"
#include "accounts/XSigninViewController.h"
#include "accounts/XSignupViewController.h"
#include "actions/XAddMouseActionView.h"
#include "actions/XAddMouseActionViewController.h"
#include "actions/XHotKeyField.h"
#include "app/XAccountScreens.h"
#include "app/XMainWindowState.h"
#include "app/XMainWindowViewController.h"
#include "bets/XPlaybackQueue.h"
#include "hotkeys/HKHotKeyCenter.h"
#include "overlay/XGridWindowController.h"
#include "panel/XButton.h"
#include "panel/XGridManagerView.h"
#include "panel/XGridManagerViewController.h"
#include "platform/XFakePlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

// Catches a window above the grid, panels with queues of their own, or Tutorial opening nothing.
TEST(XAppDelegate, MainViewSitsOneLevelBelowTheOverlayAndBothPanelsShareOneQueue)
{
    XFakePlatform platform;
    XAppDelegate delegate(platform);
    delegate.goToMainView();
    XMainWindowViewController* main = delegate.mainViewController();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(platform.windowLevel(*delegate.window()),
              platform.windowLevel(*main->gridWindowController()->window()) - 1);
    // One line of clicks for both panels.
    EXPECT_EQ(&main->gridManagerViewController()->playbackQueue(), &main->playbackQueue());
    EXPECT_EQ(&main->addActionViewController()->playbackQueue(), &main->playbackQueue());
    main->tutorialButton()->click();
    ASSERT_EQ(platform.openedUrls().size(), 1u);
    EXPECT_TRUE(platform.openedUrls()[0].toLocalFile().endsWith(QStringLiteral("tutorial.html")));
}

// Catches the Wayland button missing, or shown on X11, asking the desktop nothing, or Stop's
// tip promising on Wayland that a moved mouse stops a run.
TEST(XAppDelegate, OnWaylandAButtonAsksTheDesktopAheadAndStopSaysWhatStopsThere)
{
    for (const bool wayland : {false, true}) {
        SCOPED_TRACE(wayland ? "Wayland" : "X11");
        XFakePlatform platform;
        platform.setClicksThroughPortal(wayland);
        XAppDelegate delegate(platform);
        delegate.goToMainView();
        XMainWindowViewController* main = delegate.mainViewController();
        auto* allow = main->view()->findChild<QPushButton*>(QStringLiteral("allowWaylandClicksButton"));
        for (const QString& prefix : {QStringLiteral("bet"), QStringLiteral("action")}) {
            auto* stop = main->view()->findChild<QPushButton*>(prefix + QStringLiteral("StopButton"));
            ASSERT_NE(stop, nullptr);
            EXPECT_EQ(stop->toolTip().contains(QStringLiteral("move the mouse")), !wayland)
                << stop->toolTip().toStdString();
        }
        if (!wayland) {
            EXPECT_EQ(allow, nullptr);
            continue;
        }
        ASSERT_NE(allow, nullptr);
        allow->click();
        ASSERT_TRUE(main->playbackQueue().waitUntilIdle(5000));
        auto* status = main->view()->findChild<QLabel*>(QStringLiteral("betRunStatusLabel"));
        ASSERT_NE(status, nullptr);
        const QString allowed =
            QStringLiteral("Tableclick may click native Wayland windows until you log out");
        EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() == allowed; }, 2000))
            << status->text().toStdString();
        EXPECT_TRUE(platform.postedActions().empty());
    }
}

// Catches a panel (the saved bets among them) not saved at close or saved in the wrong order, or a
// hot key left grabbed (saving as you go is in XAutoSaverTest).
TEST(XAppDelegate, ClosingTheWindowSavesEveryPanelInOrderAndDropsTheMainView)
{
    XFakePlatform platform;
    std::vector<QString> written;
    platform.preferences().setWriteObserver([&written](const QString& key) { written.push_back(key); });
    const auto at = [&written](const QString& key) {
        return std::find(written.begin(), written.end(), key) - written.begin();
    };
    XAppDelegate delegate(platform);
    delegate.goToMainView();
    XMainWindowViewController* main = delegate.mainViewController();
    main->gridManagerViewController()->addMouseDatas({XMouseData::mouseDataWithIndex(8, 1)}, true);
    main->addActionViewController()->setDataSource({XMouseData::mouseDataWithIndex(1, 2)});
    // The position hot key lives in the delegate's center and goes with the main view.
    main->addActionViewController()->view()->mouseCursorField->setKeyCombo(
        {XControlKeyMask | XAlternateKeyMask, 40});
    EXPECT_EQ(delegate.hotKeyCenter().registeredHotKeys().size(), 1u);
    written.clear();
    delegate.window()->show();
    EXPECT_TRUE(delegate.window()->close());
    EXPECT_EQ(delegate.mainViewController(), nullptr);
    EXPECT_TRUE(delegate.hotKeyCenter().registeredHotKeys().empty());
    // Where the window is, then the mouse-action panel, then the bet panel, then the overlay.
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front(), kXMainWindowFrameKey);
    EXPECT_LT(at(kXAddMouseActionViewControllerTableArrayKey), at(kXGridManagerViewControllerDirectOnKey));
    EXPECT_LT(at(kXAddMouseActionViewControllerShortcutKey), at(kXGridManagerViewControllerDirectOnKey));
    EXPECT_LT(at(kXGridManagerViewControllerTableMouseDatasKey), at(kXGridWindowDataKey));
    EXPECT_EQ(written.back(), kXGridWindowTableDataKey);
    EXPECT_TRUE(platform.preferences().containsKey(kXGridManagerViewControllerDataSourceKey));
    EXPECT_TRUE(platform.preferences().containsKey(XAddMouseActionViewControllerUserDefinedButtonKey(6)));
}

// Catches Back on the sign-up or reset screen leading elsewhere than sign-in (the links forward,
// and the main view after signing in only, are on AccountsE2e's paths to the service).
TEST(XAppDelegate, BackOnTheSignUpAndResetScreensLeadsToSignIn)
{
    XFakePlatform platform;
    XAccountService service(QUrl(QStringLiteral("https://localhost:1")));
    XAppDelegate delegate(platform);
    XInstallAccountScreens(delegate, platform, service);
    delegate.goToSigninView();
    auto* stack = qobject_cast<QStackedWidget*>(delegate.window()->centralWidget());
    ASSERT_TRUE(stack);
    auto* signin = qobject_cast<XSigninViewController*>(stack->currentWidget());
    ASSERT_TRUE(signin) << "Tableclick does not open on the sign-in screen";

    signin->signupButton->click();
    auto* signup = qobject_cast<XSignupViewController*>(stack->currentWidget());
    ASSERT_TRUE(signup);
    signup->backButton->click();
    EXPECT_EQ(stack->currentWidget(), signin);
    signin->forgetButton->click();
    auto* confirm = qobject_cast<XConfirmEmailViewController*>(stack->currentWidget());
    ASSERT_TRUE(confirm);
    Q_EMIT confirm->goToResetPasswordView();
    auto* reset = qobject_cast<XResetPasswordViewController*>(stack->currentWidget());
    ASSERT_TRUE(reset);
    reset->backButton->click();
    EXPECT_EQ(stack->currentWidget(), signin);
}
