#include "XAppDelegate.h"

#include "XMainWindowViewController.h"
#include "hotkeys/HKHotKeyCenter.h"
#include "overlay/XGridWindowController.h"
#include "platform/XPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>

namespace {
const QSize kAccountWindowSize(560, 620);
} // namespace

void XMainWindow::closeEvent(QCloseEvent* event)
{
    if (!shouldClose || shouldClose())
        event->accept();
    else
        event->ignore();
}

XAppDelegate::XAppDelegate(XPlatform& platform, QObject* parent)
    : QObject(parent), m_platform(platform),
      m_hotKeyCenter(std::make_unique<HKHotKeyCenter>(platform.hotKeys())),
      m_window(std::make_unique<XMainWindow>())
{
    m_window->setWindowTitle(QStringLiteral("Tableclick"));
    m_window->setCentralWidget(new QStackedWidget);
    m_window->shouldClose = [this] { return windowShouldClose(); };
}

XAppDelegate::~XAppDelegate()
{
    m_mainViewController.reset();
}

QWidget* XAppDelegate::accountScreen(AccountScreen screen) const
{
    const auto it = m_accountScreens.find(screen);
    return it == m_accountScreens.end() ? nullptr : it->second.data();
}

void XAppDelegate::goToAccountView(AccountScreen screen)
{
    auto* stack = static_cast<QStackedWidget*>(m_window->centralWidget());
    QPointer<QWidget>& shown = m_accountScreens[screen];
    if (!shown && m_accountScreenFactory) {
        std::unique_ptr<QWidget> made = m_accountScreenFactory(screen);
        if (made) {
            shown = made.release();
            stack->addWidget(shown);
        }
    }
    if (!shown)
        return;
    stack->setCurrentWidget(shown);
    // Room for the account screens' panel; the main view sets its own size later.
    if (!m_mainViewController && !m_accountWindowSized) {
        m_accountWindowSized = true;
        const QScreen* screen = m_window->screen();
        // Within the screen, title bar included, at any scale.
        m_window->resize(screen ? kAccountWindowSize.boundedTo(screen->availableGeometry().size() - QSize(8, 40))
                                : kAccountWindowSize);
        if (screen) {
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            m_window->move(frame.topLeft());
        }
    }
}

void XAppDelegate::goToMainView()
{
    m_mainViewController = std::make_unique<XMainWindowViewController>(m_platform, *m_hotKeyCenter);
    QWidget* mainView = m_mainViewController->view();
    auto* stack = static_cast<QStackedWidget*>(m_window->centralWidget());
    // On a screen smaller than the panels (a large scale factor on a small monitor) the
    // view scrolls instead of running off the screen.
    if (!m_mainScroller) {
        m_mainScroller = new QScrollArea;
        m_mainScroller->setFrameShape(QFrame::NoFrame);
        stack->addWidget(m_mainScroller);
    }
    m_mainScroller->setWidget(mainView);
    stack->setCurrentWidget(m_mainScroller);
    QSize size = mainView->size();
    if (const QScreen* screen = m_window->screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(8, 40));
    m_window->setFixedSize(size);
    XGridWindowController* overlay = m_mainViewController->gridWindowController();
    m_platform.setWindowLevel(*m_window, m_platform.windowLevel(*overlay->window()) - 1);
    if (const QScreen* screen = m_window->screen()) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
    Q_EMIT mainViewShown();
}

bool XAppDelegate::windowShouldClose()
{
    if (m_mainViewController) {
        // The main view goes first; the window itself belongs to the delegate.
        if (m_mainScroller)
            m_mainScroller->takeWidget();
        m_mainViewController.reset();
    }
    return true;
}

void XAppDelegate::applicationWillTerminate()
{
    windowShouldClose();
    QApplication::quit();
}
