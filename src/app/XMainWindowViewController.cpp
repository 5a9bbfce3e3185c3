#include "XMainWindowViewController.h"

#include "XTutorialPath.h"

#include "actions/XAddMouseActionView.h"
#include "actions/XAddMouseActionViewController.h"
#include "bets/XPlaybackQueue.h"
#include "panel/XGridManagerView.h"
#include "panel/XGridManagerViewController.h"
#include "overlay/XGridWindowController.h"
#include "platform/XPlatform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

static_assert(XMainWindowViewController::kAddActionViewWidth == XAddMouseActionView::kWidth);

XMainWindowViewController::XMainWindowViewController(XPlatform& platform, HKHotKeyCenter& hotKeyCenter,
                                                     QObject* parent)
    : QObject(parent), m_platform(platform), m_hotKeyCenter(hotKeyCenter),
      m_playbackQueue(std::make_shared<XPlaybackQueue>(platform))
{
}

XMainWindowViewController::~XMainWindowViewController()
{
    m_addActionViewController.reset();
    m_gridManagerViewController.reset();
    m_playbackQueue->stopAll(XRunEnd::Shutdown);
}

QWidget* XMainWindowViewController::addActionView() const
{
    return m_addActionViewController ? m_addActionViewController->view() : nullptr;
}

QWidget* XMainWindowViewController::view()
{
    if (!m_view)
        loadView();
    return m_view.get();
}

void XMainWindowViewController::loadView()
{
    // The two panels side by side; the line between them moves, and the mouse-action panel
    // scrolls inside its own side when the screen is too small for both.
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    m_view.reset(splitter);
    m_view->setObjectName(QStringLiteral("mainView"));
    auto* actionSide = new QWidget(splitter);
    actionSide->setObjectName(QStringLiteral("addActionSide"));
    auto* actionLayout = new QVBoxLayout(actionSide);
    actionLayout->setContentsMargins(0, 0, 0, 0);
    m_actionScroller = new QScrollArea(actionSide);
    m_actionScroller->setWidgetResizable(true);
    m_actionScroller->setFrameShape(QFrame::NoFrame);
    actionLayout->addWidget(m_actionScroller, 1);
    setupView();
    m_tutorialButton = new QPushButton(tr("Tutorial"), actionSide);
    m_tutorialButton->setObjectName(QStringLiteral("tutorialButton"));
    m_tutorialButton->setToolTip(tr("How to fit the grid and place bets"));
    m_tutorialButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #3a6fb0; border-radius: 5px; padding: 5px "
                       "14px; font-weight: bold; }"
                       "QPushButton:pressed { background: #2c5890; }"));
    auto* tutorialRow = new QHBoxLayout;
    tutorialRow->setContentsMargins(12, 4, 12, 12);
    tutorialRow->addWidget(m_tutorialButton);
    tutorialRow->addWidget(buildGridMenu(*actionSide));
    tutorialRow->addStretch(1);
    actionLayout->addLayout(tutorialRow);
    if (m_platform.clicksThroughPortal()) {
        // The desktop's question may come before the first bet, not in the middle of betting.
        // A row of its own: beside Tutorial it would widen the panel.
        auto* allow = new QPushButton(tr("Allow clicks on Wayland"), actionSide);
        allow->setObjectName(QStringLiteral("allowWaylandClicksButton"));
        allow->setToolTip(tr("Let the desktop ask now whether Tableclick may control the mouse (once per login), "
                             "rather than at the first bet"));
        connect(allow, &QPushButton::clicked, m_playbackQueue.get(), &XPlaybackQueue::openTheWay);
        tutorialRow->setContentsMargins(12, 4, 12, 4);
        auto* waylandRow = new QHBoxLayout;
        waylandRow->setContentsMargins(12, 0, 12, 12);
        waylandRow->addWidget(allow);
        waylandRow->addStretch(1);
        actionLayout->addLayout(waylandRow);
    }
    connect(m_tutorialButton, &QPushButton::clicked, this, &XMainWindowViewController::tutorialClicked);
}

void XMainWindowViewController::setupView()
{
    auto* splitter = static_cast<QSplitter*>(m_view.get());
    if (!m_addActionViewController) {
        m_addActionViewController =
            std::make_unique<XAddMouseActionViewController>(m_platform, m_hotKeyCenter, m_playbackQueue);
        m_actionScroller->setWidget(m_addActionViewController->view());
        // It scrolls up and down only: the line beside it stops where its rows would be cut.
        m_actionScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_actionScroller->setMinimumWidth(m_addActionViewController->view()->minimumSizeHint().width() +
                                          m_actionScroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    if (!m_gridManagerViewController) {
        m_gridManagerViewController =
            std::make_unique<XGridManagerViewController>(m_platform, m_playbackQueue);
        splitter->addWidget(m_gridManagerViewController->view());
    }
    // The bet panel takes what the window gives beyond the mouse-action panel's width.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    const QSize bets = m_gridManagerViewController->view()->sizeHint();
    splitter->setSizes({kAddActionViewWidth, bets.width()});
    m_view->resize(kAddActionViewWidth + splitter->handleWidth() + bets.width(),
                   std::max(bets.height(), XAddMouseActionView::kHeight));
}

void XMainWindowViewController::fitPanels(int width)
{
    auto* splitter = static_cast<QSplitter*>(view());
    QSplitter* betSplitter = m_gridManagerViewController->view()->splitter;
    const int handle = splitter->handleWidth();
    QWidget* controls = betSplitter->widget(0);
    const int controlsWanted = controls->sizeHint().width();
    const int betsWanted = betSplitter->widget(1)->sizeHint().width();
    // Never below the smallest, even when the smallest is more than wanted.
    const auto share = [](int room, int smallest, int wanted) {
        return std::max(smallest, std::min(room, wanted));
    };
    const int actions = share(width - 2 * handle - controlsWanted - betsWanted,
                              m_actionScroller->widget()->minimumSizeHint().width(), kAddActionViewWidth);
    const int rest = width - actions - handle;
    const int controlsWidth =
        share(rest - handle - betsWanted, controls->minimumSizeHint().width(), controlsWanted);
    splitter->setSizes({actions, rest});
    betSplitter->setSizes({controlsWidth, rest - controlsWidth - handle});
}

QList<int> XMainWindowViewController::panelSizes() const
{
    return m_view ? static_cast<QSplitter*>(m_view.get())->sizes() : QList<int>();
}

QList<int> XMainWindowViewController::betPanelSizes() const
{
    return m_gridManagerViewController ? m_gridManagerViewController->view()->splitter->sizes()
                                       : QList<int>();
}

bool XMainWindowViewController::restorePanelSizes(const QList<int>& panels, const QList<int>& betPanel)
{
    if (panels.size() != 2 || betPanel.size() != 2)
        return false;
    // The splitters keep each side at its smallest.
    static_cast<QSplitter*>(view())->setSizes(panels);
    m_gridManagerViewController->view()->splitter->setSizes(betPanel);
    if (!m_view->isVisible()) {
        m_pendingPanelSizes = panels;
        m_pendingBetPanelSizes = betPanel;
        m_view->installEventFilter(this);
    }
    return true;
}

bool XMainWindowViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view.get() && event->type() == QEvent::Show) {
        m_view->removeEventFilter(this);
        restorePanelSizes(std::exchange(m_pendingPanelSizes, {}), std::exchange(m_pendingBetPanelSizes, {}));
    }
    return QObject::eventFilter(watched, event);
}

QToolButton* XMainWindowViewController::buildGridMenu(QWidget& parent)
{
    // A menu of its own rather than a menu bar: the window keeps the height it has.
    auto* button = new QToolButton(&parent);
    button->setObjectName(QStringLiteral("gridMenuButton"));
    button->setText(tr("Grid"));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    QAction* find = menu->addAction(tr("Find Table"));
    find->setObjectName(QStringLiteral("findTableAction"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, &XMainWindowViewController::findTable);
    // The shortcut works wherever the main window has the keyboard.
    parent.addAction(find);
    button->setMenu(menu);
    // The tool button's size leaves out its menu arrow, which then covers the text.
    button->setMinimumWidth(button->sizeHint().width() +
                            button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button));
    button->setToolTip(tr("Find table (Ctrl+F): lay the grid on the table on the screen"));
    return button;
}

void XMainWindowViewController::findTable()
{
    view();
    m_gridManagerViewController->findTable();
}

XGridWindowController* XMainWindowViewController::gridWindowController()
{
    view();
    return m_gridManagerViewController->gridWindowController();
}

void XMainWindowViewController::saveState()
{
    if (m_addActionViewController && m_addActionViewController->isViewLoaded())
        m_addActionViewController->saveFileData();
    if (!m_gridManagerViewController)
        return;
    m_gridManagerViewController->saveFileData();
    m_gridManagerViewController->gridWindowController()->saveLayouts();
}

void XMainWindowViewController::tutorialClicked()
{
    m_platform.openUrl(QUrl::fromLocalFile(XTutorialPath(QCoreApplication::applicationDirPath(),
                                                         QStringLiteral(TABLECLICK_DATA_FROM_BINARY),
                                                         QStringLiteral(TABLECLICK_SOURCE_DIR))));
}
