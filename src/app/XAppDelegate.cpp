#include "XAppDelegate.h"

#include "XMainWindowState.h"
#include "XMainWindowViewController.h"
#include "XRestoredFrame.h"
#include "XWindowPlacement.h"
#include "hotkeys/HKHotKeyCenter.h"
#include "overlay/XGridWindowController.h"
#include "platform/XPlatform.h"
#include "platform/XPreferenceStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>

namespace {
const QSize kAccountWindowSize(560, 620);
// What a window manager adds around a window for its title bar and borders, before the
// window is shown and its real frame is known.
const QSize kFrameAllowance(8, 40);

std::vector<XMonitorArea> monitorAreas()
{
    std::vector<XMonitorArea> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const XMonitorArea area{screen->geometry(), screen->availableGeometry()};
        if (screen == primary)
            monitors.insert(monitors.begin(), area);
        else
            monitors.push_back(area);
    }
    return monitors;
}
} // namespace

void XMainWindow::closeEvent(QCloseEvent* event)
{
    if (!shouldClose || shouldClose())
        event->accept();
    else
        event->ignore();
}

void XMainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    Q_EMIT frameChanged();
}

void XMainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Q_EMIT frameChanged();
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
        m_window->resize(
            screen ? kAccountWindowSize.boundedTo(screen->availableGeometry().size() - kFrameAllowance)
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
    // Nothing stored yet: the grid's window comes up where the program first puts it.
    const bool firstLaunch = !m_platform.preferences().containsKey(kXGridWindowDataKey);
    m_mainViewController = std::make_unique<XMainWindowViewController>(m_platform, *m_hotKeyCenter);
    QWidget* mainView = m_mainViewController->view();
    auto* stack = static_cast<QStackedWidget*>(m_window->centralWidget());
    stack->addWidget(mainView);
    stack->setCurrentWidget(mainView);
    XGridWindowController* overlay = m_mainViewController->gridWindowController();
    m_platform.setWindowLevel(*m_window, m_platform.windowLevel(*overlay->window()) - 1);
    if (!restoreMainWindow())
        placeMainWindow(*overlay, firstLaunch);
    Q_EMIT mainViewShown();
}

void XAppDelegate::placeMainWindow(XGridWindowController& overlay, bool firstLaunch)
{
    const QScreen* screen = pointerScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize mainSize = m_mainViewController->view()->size() + kFrameAllowance;
    QWidget* grid = overlay.window();
    const XWindowPlacement apart = XPlaceWindowsApart(available, grid->geometry(), mainSize,
                                                      m_window->minimumSizeHint() + kFrameAllowance);
    QRect frame(QPoint(0, 0), mainSize.boundedTo(available.size()));
    frame.moveCenter(available.center());
    if (firstLaunch) {
        if (apart.gridFrame != grid->geometry()) {
            const bool resized = apart.gridFrame.size() != grid->size();
            grid->setGeometry(apart.gridFrame);
            // A lower window gets the grid's first shape anew, so that all of it shows.
            if (resized)
                overlay.mainView()->resetGraphic();
        }
        frame = apart.mainFrame;
    } else if (frame.intersects(grid->geometry()) && apart.gridFrame == grid->geometry()) {
        // A fitted grid stays where it is; the main window keeps off it when there is room.
        frame = apart.mainFrame;
    }
    m_window->resize(frame.size() - kFrameAllowance);
    m_mainViewController->fitPanels(m_window->width());
    m_window->move(frame.topLeft());
}

bool XAppDelegate::restoreMainWindow()
{
    const std::optional<XMainWindowState> saved = XReadMainWindowState(m_platform.preferences());
    if (!saved)
        return false;
    const QRect frame =
        XRestoredFrame(QRect(saved->frame.topLeft(), saved->frame.size() + kFrameAllowance), monitorAreas());
    m_window->resize(frame.size() - kFrameAllowance);
    if (!m_mainViewController->restorePanelSizes(saved->panelSizes, saved->betPanelSizes))
        m_mainViewController->fitPanels(m_window->width());
    m_window->move(frame.topLeft());
    return true;
}

void XAppDelegate::saveState()
{
    saveWindowState();
    if (m_mainViewController)
        m_mainViewController->saveState();
}

void XAppDelegate::saveWindowState()
{
    if (!m_mainViewController)
        return;
    // A maximised window comes back at the size it had before.
    const QRect normal = m_window->isMaximized() || m_window->isFullScreen()
                             ? m_window->normalGeometry()
                             : QRect(m_window->pos(), m_window->size());
    XWriteMainWindowState(m_platform.preferences(), {normal, m_mainViewController->panelSizes(),
                                                     m_mainViewController->betPanelSizes()});
}

QScreen* XAppDelegate::pointerScreen()
{
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos()))
        return screen;
    return QGuiApplication::primaryScreen();
}

bool XAppDelegate::windowShouldClose()
{
    // The main view goes first; the window itself belongs to the delegate.
    saveWindowState();
    m_mainViewController.reset();
    return true;
}

void XAppDelegate::applicationWillTerminate()
{
    windowShouldClose();
    QApplication::quit();
}
