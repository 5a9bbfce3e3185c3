#include "XMainWindowViewController.h"

#include "actions/XAddMouseActionView.h"
#include "actions/XAddMouseActionViewController.h"
#include "bets/XPlaybackQueue.h"
#include "bets/panel/XGridManagerView.h"
#include "bets/panel/XGridManagerViewController.h"
#include "overlay/XGridWindowController.h"
#include "platform/XPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {
// The tutorial ships with the program: next to the binary when installed, else in the
// source tree it was built from.
QUrl tutorialUrl()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tableclick/tutorial.html");
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath());
    return QUrl::fromLocalFile(QStringLiteral(TABLECLICK_SOURCE_DIR "/docs/tutorial.html"));
}
} // namespace

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
    m_view = std::make_unique<QWidget>();
    m_view->setObjectName(QStringLiteral("mainView"));
    setupView();
    m_tutorialButton = new QPushButton(tr("Tutorial"), m_view.get());
    m_tutorialButton->setObjectName(QStringLiteral("tutorialButton"));
    m_tutorialButton->setToolTip(tr("How to fit the grid and place bets"));
    m_tutorialButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #3a6fb0; border-radius: 5px; padding: 5px "
                       "14px; font-weight: bold; }"
                       "QPushButton:pressed { background: #2c5890; }"));
    m_tutorialButton->adjustSize();
    m_tutorialButton->move(12, m_view->height() - m_tutorialButton->height() - 12);
    connect(m_tutorialButton, &QPushButton::clicked, this, &XMainWindowViewController::tutorialClicked);
}

void XMainWindowViewController::setupView()
{
    if (!m_addActionViewController) {
        m_addActionViewController =
            std::make_unique<XAddMouseActionViewController>(m_platform, m_hotKeyCenter, m_playbackQueue);
        QWidget* panel = m_addActionViewController->view();
        panel->setParent(m_view.get());
        panel->move(0, 0);
        panel->show();
    }
    QWidget* actions = m_addActionViewController->view();
    if (!m_gridManagerViewController) {
        m_gridManagerViewController =
            std::make_unique<XGridManagerViewController>(m_platform, m_playbackQueue);
        QWidget* panel = m_gridManagerViewController->view();
        panel->setParent(m_view.get());
        QRect frame = panel->geometry();
        frame.moveLeft(actions->width() - 5);
        frame.moveTop(0);
        panel->setGeometry(frame);
        panel->show();
    }
    m_view->setFixedSize(actions->width() - 5 + m_gridManagerViewController->view()->width(),
                         std::max(actions->height(), m_gridManagerViewController->view()->height()));
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
    m_platform.openUrl(tutorialUrl());
}
