#include "app/XAppDelegate.h"
#include "app/XMainWindowState.h"
#include "app/XMainWindowViewController.h"
#include "platform/XFakePlatform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// What a window manager adds around the window, as the program allows for it.
const QSize kFrame(8, 40);

bool wholeOnAMonitor(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&frame](const QScreen* s) { return s->availableGeometry().contains(frame); });
}
} // namespace

// Catches the window's size, place or panel lines not stored or not restored.
TEST(XMainWindowRestore, SizePlaceAndPanelLinesSurviveARestart)
{
    XFakePlatform platform;
    const QRect left(QPoint(1300, 20), QSize(900, 460)); // on the second monitor
    QList<int> panels, betPanel;
    {
        XAppDelegate delegate(platform);
        delegate.goToMainView();
        delegate.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(delegate.window()));
        delegate.window()->resize(left.size());
        delegate.window()->move(left.topLeft());
        QCoreApplication::processEvents();
        XMainWindowViewController* main = delegate.mainViewController();
        main->restorePanelSizes({320, 575}, {380, 190});
        QCoreApplication::processEvents();
        panels = main->panelSizes();
        betPanel = main->betPanelSizes();
        EXPECT_TRUE(delegate.window()->close());
    }
    XAppDelegate again(platform);
    again.goToMainView();
    again.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again.window()));
    QCoreApplication::processEvents();
    EXPECT_EQ(QRect(again.window()->pos(), again.window()->size()), left);
    EXPECT_EQ(again.mainViewController()->panelSizes(), panels);
    EXPECT_EQ(again.mainViewController()->betPanelSizes(), betPanel);
}

// Catches a window restored on a monitor that is gone, or partly off the screens, and a damaged
// stored frame that opens the window with no size or off the screens.
TEST(XMainWindowRestore, AWindowLeftOnAMonitorThatIsGoneOrPartlyOffOrDamagedComesBackWholeOnOne)
{
    struct Case
    {
        const char* what;
        // A place to store, or a damaged frame's text.
        QVariant saved;
        // Where it must be: the saved place when it still fits, else anywhere it shows whole.
        bool keepsPlace;
    };
    const Case cases[] = {
        {"on the first monitor", QRect(100, 50, 800, 500), true},
        {"on a third monitor, gone", QRect(2500, 100, 900, 500), false},
        {"partly off the right edge of the second", QRect(1900, 100, 700, 300), false},
        {"larger than the monitor it is on", QRect(1300, 0, 1400, 900), false},
        {"12,30,0,500", QStringLiteral("12,30,0,500"), false},
        {"a,b,c,d", QStringLiteral("a,b,c,d"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        XFakePlatform platform;
        if (c.saved.typeId() == QMetaType::QRect)
            XWriteMainWindowState(platform.preferences(), {c.saved.toRect(), {}, {}});
        else
            platform.preferences().setObject(kXMainWindowFrameKey, c.saved);
        XAppDelegate delegate(platform);
        delegate.goToMainView();
        const QRect frame(delegate.window()->pos(), delegate.window()->size() + kFrame);
        EXPECT_TRUE(wholeOnAMonitor(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        EXPECT_GT(delegate.window()->width(), 3);
        if (c.keepsPlace) {
            EXPECT_EQ(QRect(delegate.window()->pos(), delegate.window()->size()), c.saved.toRect());
        }
        // Without stored lines the panels share the width out as on a first start.
        EXPECT_EQ(delegate.mainViewController()->panelSizes().size(), 2);
    }
}
