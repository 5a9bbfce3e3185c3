#include "app/XAppDelegate.h"
#include "app/XMainWindowViewController.h"
#include "panel/XBetButtonsView.h"
#include "panel/XGridManagerView.h"
#include "panel/XGridManagerViewController.h"
#include "platform/XFakePlatform.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString describe(const QWidget& w)
{
    const auto* label = qobject_cast<const QLabel*>(&w);
    const auto* button = qobject_cast<const QAbstractButton*>(&w);
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w.metaObject()->className()), w.objectName(),
             label    ? label->text()
             : button ? button->text()
                      : QString());
}

// What a control needs to show all its text: push buttons (ours paint their title centred,
// without the room a style adds) the text itself, others their size hint.
QSize neededSize(const QWidget& w)
{
    const auto* push = qobject_cast<const QPushButton*>(&w);
    if (!push)
        return QSize(w.sizeHint().width(), w.minimumSizeHint().height());
    const QSize text = push->fontMetrics().size(Qt::TextShowMnemonic, push->text());
    return QSize(text.width() + 2, text.height());
}

// Labels, buttons and tab bars smaller than they need show their text cut.
QStringList clippedControls(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                                 qobject_cast<const QTabBar*>(w)))
            continue;
        const QSize need = neededSize(*w);
        if (w->width() < need.width() || w->height() < need.height())
            clipped << describe(*w) + QString::asprintf(": %dx%d, needs %dx%d", w->width(), w->height(),
                                                        need.width(), need.height());
    }
    return clipped;
}

// A scroll bar across, or a panel reaching past the window's edge, which cuts it as surely.
QStringList sidewaysScrolling(const QWidget& window)
{
    QStringList scrolling;
    for (const QAbstractScrollArea* area : window.findChildren<QAbstractScrollArea*>()) {
        if (area->isVisible() && area->horizontalScrollBar()->isVisible())
            scrolling << describe(*area) + QStringLiteral(" in ") + describe(*area->parentWidget());
    }
    // Without a scroll bar, what is wider than its area is cut on the right.
    for (const QScrollArea* area : window.findChildren<QScrollArea*>()) {
        if (area->isVisible() && area->widget() && area->widget()->width() > area->viewport()->width())
            scrolling << describe(*area->widget()) + QStringLiteral(" wider than its area");
    }
    for (const QSplitter* splitter : window.findChildren<QSplitter*>()) {
        for (int i = 0; i < splitter->count(); ++i) {
            const QWidget* pane = splitter->widget(i);
            if (!window.rect().contains(QRect(pane->mapTo(&window, QPoint(0, 0)), pane->size())))
                scrolling << describe(*splitter) + QStringLiteral(" pane %1 past the edge").arg(i);
        }
    }
    return scrolling;
}
} // namespace

// Catches controls cut off, or a sideways scroll, in the first window on a 1280 × 720 monitor.
TEST(XMainWindowFit, AtFirstStartNothingIsCutAt1280By720AndNothingScrollsSideways)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "runs with data/two-monitors.json";
    // The monitor's name, and whether no control may be cut on it.
    for (const auto& [name, roomForEveryControl] : {std::pair{"HD", true}, std::pair{"FullHdAt2", false}}) {
        const auto screen = std::find_if(screens.begin(), screens.end(), [n = name](const QScreen* s) {
            return s->name() == QLatin1String(n);
        });
        ASSERT_NE(screen, screens.end()) << name;
        const QRect available = (*screen)->availableGeometry();
        QCursor::setPos(available.center());
        XFakePlatform platform;
        // Its widest: with the button that asks a Wayland desktop ahead.
        platform.setClicksThroughPortal(true);
        XAppDelegate delegate(platform);
        delegate.goToMainView();
        XMainWindow* window = delegate.window();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        SCOPED_TRACE(name);
        EXPECT_TRUE(available.contains(QRect(window->pos(), window->size() + QSize(8, 40))))
            << window->pos().x() << "," << window->pos().y() << " " << window->width() << "x"
            << window->height();
        XBetButtonsView* bets =
            delegate.mainViewController()->gridManagerViewController()->view()->betButtonsView;
        for (int page = 0; page < bets->count(); ++page) {
            bets->setCurrentIndex(page);
            QCoreApplication::processEvents();
            EXPECT_EQ(sidewaysScrolling(*window).join(QLatin1Char('\n')).toStdString(), "") << page;
            if (roomForEveryControl) {
                EXPECT_EQ(clippedControls(*window).join(QLatin1Char('\n')).toStdString(), "") << page;
            }
        }
    }
}
