#include "XGridManagerViewController.h"

#include "XBetButtonsView.h"
#include "XButton.h"
#include "XGridManagerView.h"
#include "XNumberButton.h"
#include "XPanelWindowPublisher.h"
#include "XPauseField.h"
#include "XRunStatusView.h"
#include "XSavedBetsModel.h"
#include "XVirtualButtonGridView.h"
#include "bets/XArchiving.h"
#include "bets/XClickDelay.h"
#include "bets/XFreeName.h"
#include "catalogue/BetCatalogue.h"
#include "overlay/XGridWindowController.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"
#include "platform/XPreferenceStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

const QString kXGridManagerViewControllerDirectOnKey =
    QStringLiteral("kXGridManagerViewControllerDirectOnKey");
const QString kXGridManagerViewControllerClickSpeedKey =
    QStringLiteral("kXGridManagerViewControllerClickSpeedKey");
const QString kXGridManagerViewControllerDataSourceKey =
    QStringLiteral("kXGridManagerViewControllerDataSourceKey");
const QString kXGridManagerViewControllerTableMouseDatasKey =
    QStringLiteral("kXGridManagerViewControllerTableMouseDatasKey");

namespace {
const std::function<QByteArray(const XMouseData&)> archiveMouseData = XArchiveMouseData;
const std::function<QByteArray(const XTableMouseData&)> archiveTableMouseData = XKeptArchiveTableMouseData;

// A stored group: its records, or nothing when it holds anything but click records.
std::optional<XClickGroup> restoreGroup(const QList<QByteArray>& archives, const XStoredBounds& bounds)
{
    XClickGroup group;
    for (const QByteArray& archive : archives) {
        const std::optional<QJsonObject> object = XArchiveObject(archive);
        switch (object ? XArchiveKindOf(*object) : XArchiveKind::None) {
        case XArchiveKind::MouseData:
            // A record out of bounds restores to nothing, like a broken one: left out.
            if (std::optional<XMouseData> record = XDecodeMouseData(*object, bounds))
                group.push_back(*record);
            break;
        case XArchiveKind::None:
            break; // restores to nothing: left out
        default:
            return std::nullopt;
        }
    }
    return group;
}

} // namespace

XGridManagerViewController::XGridManagerViewController(XPlatform& platform,
                                                       std::shared_ptr<XPlaybackQueue> queue, QObject* parent)
    : QObject(parent), m_platform(platform),
      m_playbackQueue(queue ? std::move(queue) : std::make_shared<XPlaybackQueue>(platform))
{
    // mutter (43) drops an XWayland window's input shape whenever the window repaints: the
    // locked grid would then take the desktop's clicks meant for the table below it. Runs
    // through the desktop's portal click with the grid off the screen.
    connect(m_playbackQueue.get(), &XPlaybackQueue::activeChanged, this, [this](bool active) {
        if (!m_gridWindowController || !m_playbackQueue->clicksThroughPortal())
            return;
        QWidget* grid = m_gridWindowController->window();
        if (active && grid->isVisible()) {
            m_gridHiddenForRuns = true;
            grid->hide();
        } else if (!active && m_gridHiddenForRuns) {
            m_gridHiddenForRuns = false;
            grid->show();
        }
    });
}

XGridManagerViewController::~XGridManagerViewController()
{
    // Runs hold their own copies of what they read; this only keeps the panel's bets from
    // clicking on after the panel is gone.
    m_playbackQueue->stopAll(XRunEnd::Shutdown);
    if (m_view)
        saveFileData();
    m_gridWindowController.reset();
}

XGridManagerView* XGridManagerViewController::view()
{
    if (!m_view)
        loadView();
    return m_view.get();
}

void XGridManagerViewController::loadView()
{
    m_view = std::make_unique<XGridManagerView>();
    XGridManagerView& v = *m_view;
    styleView();
    connect(v.betButton, &QPushButton::clicked, this, &XGridManagerViewController::clickApplyAllActionButton);
    connect(v.reverseBetButton, &QPushButton::clicked, this,
            &XGridManagerViewController::clickApplyAllReverseActionButton);
    connect(v.undoButton, &QPushButton::clicked, this, &XGridManagerViewController::clickUndoButton);
    connect(v.clearButton, &QPushButton::clicked, this,
            &XGridManagerViewController::clickCancelAllActionButton);
    connect(v.specialButton, &QPushButton::clicked, this, &XGridManagerViewController::clickSpecialButton);
    connect(v.directModeButton, &QCheckBox::toggled, this,
            &XGridManagerViewController::clickDirectModeButton);
    connect(v.gridLockButton, &QCheckBox::toggled, this,
            &XGridManagerViewController::clickEditGridWindowMode);
    connect(v.needMouseDragButton, &QCheckBox::toggled, this,
            [this](bool on) { m_playbackControls->setNeedMouseDrag(on); });
    m_pauseField = new XPauseField(*v.delayClickTextField, m_playbackControls, m_view.get());
    m_playbackControls->setNeedMouseDrag(v.needMouseDragButton->isChecked());
    // Only while the panel itself has the keyboard: a Space typed into a field, the note
    // editor, the saved-bet table or an alert must never click the table.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), m_view.get());
    space->setContext(Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, this, &XGridManagerViewController::clickApplyAllActionButton);

    m_mouseDataArray.removeAllMouseDatas();
    m_tableViewDataSource.clear();
    clickDirectModeButton(v.directModeButton->isChecked());
    v.virtualButtonGridView->loadNumberButtonWithTaget(this,
                                                       [this](XNumberButton* b) { clickNumberButton(b); });
    for (XNumberButton* button : v.virtualButtonGridView->numberButtons()) {
        connect(button, &XNumberButton::mouseEntered, this, &XGridManagerViewController::mouseEntered);
        connect(button, &XNumberButton::mouseExited, this, &XGridManagerViewController::mouseExited);
    }
    connect(v.betButtonsView, &XBetButtonsView::betPressed, this,
            &XGridManagerViewController::placeCatalogueBet);
    connect(v.betButtonsView, &XBetButtonsView::betHovered, this, [this](const BetEntry& entry) {
        std::vector<std::size_t> cells;
        for (const BetClick& click : entry.clicks)
            cells.push_back(static_cast<std::size_t>(click.index));
        m_view->virtualGridView->setHighlightedCells(std::move(cells));
    });
    connect(v.betButtonsView, &XBetButtonsView::betUnhovered, this,
            [this] { m_view->virtualGridView->setHighlightedCells({}); });
    connect(v.addToTableViewButton, &QPushButton::clicked, this,
            &XGridManagerViewController::clickAddToTableViewButton);
    m_savedBetsModel = new XSavedBetsModel(
        m_tableViewDataSource, [this](int row, const QString& note) { endEditing(row, note); }, m_view.get(),
        [this](int row, const QString& name) { renameSavedBet(row, name); });
    v.tableView->setModel(m_savedBetsModel);
    // The row menu can place the bet: it opens on a deliberate request only, never on a
    // selection or on the double-click that edits a name or a note.
    connect(v.tableView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showRowMenu(m_view->tableView->indexAt(pos).row()); });
    connect(v.tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [](const QModelIndex& current) { XLogIn(lcTrace(), "%li", static_cast<long>(current.row())); });
    m_runStatusView = new XRunStatusView(*m_playbackQueue, QStringLiteral("bet"), m_view.get());
    v.runStatusArea->addWidget(m_runStatusView);
    m_windowPublisher = new XPanelWindowPublisher(*m_view, m_platform, m_playbackControls);
    loadFileData();
    reloadTable();
    displayVirtualGridAttributes();
}

void XGridManagerViewController::styleView()
{
    XGridManagerView& v = *m_view;
    const auto style = [](XButton* button, double r, double g, double b, double radius) {
        button->setBgColor(
            QColor::fromRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)));
        button->setCornerRadius(radius);
    };
    style(v.reverseBetButton, 0.525, 0.737, 0.141, 6.0);
    style(v.betButton, 0.99, 0.43, 0.0, 6.0);
    style(v.undoButton, 1.0, 1.0, 1.0, 6.0);
    style(v.clearButton, 1.0, 1.0, 1.0, 6.0);
    style(v.specialButton, 1.0, 1.0, 1.0, 3.0);
    style(v.addToTableViewButton, 1.0, 1.0, 1.0, 6.0);
    v.betButton->setTitleColor(Qt::white);
    v.reverseBetButton->setTitleColor(Qt::white);
    v.betButton->setText(tr("BET (space)"));
}

XGridWindowController* XGridManagerViewController::gridWindowController()
{
    if (!m_gridWindowController) {
        m_gridWindowController = std::make_unique<XGridWindowController>(m_platform);
        QWidget* window = m_gridWindowController->window();
        window->show();
        window->raise();
        m_gridWindowController->mainView()->refreshScreenMapping();
        if (!m_cellLocator)
            m_cellLocator = XCellLocatorFor(m_gridWindowController->mainView()->screenMappingChannel());
    }
    return m_gridWindowController.get();
}

void XGridManagerViewController::addMouseDatas(XClickGroup group, bool isAppend)
{
    m_mouseDataArray.addMouseDatas(std::move(group), isAppend);
}

std::size_t XGridManagerViewController::virtualGridCellCount() const
{
    return m_view ? m_view->virtualGridView->graphic().graphicCount() : 37;
}

std::vector<XMouseData> XGridManagerViewController::combineAllMouseDatas() const
{
    return m_mouseDataArray.combineAllMouseDatas(virtualGridCellCount());
}

void XGridManagerViewController::displayVirtualGridAttributes()
{
    const std::vector<XMouseData> merged = combineAllMouseDatas();
    m_graphicAttributes = XClickCountLabels(merged);
    if (m_view)
        m_view->virtualGridView->setGraphicAttributes(m_graphicAttributes);
    Q_EMIT graphicAttributesChanged();
    setTotalCountText(XSumText(merged));
}

void XGridManagerViewController::setTotalCountText(const QString& text)
{
    m_totalCountText = text;
    if (m_view)
        m_view->totalCountLabel->setText(text);
    Q_EMIT totalCountTextChanged(text);
}

void XGridManagerViewController::clickUndoButton()
{
    removeLastMouseDatas();
    displayVirtualGridAttributes();
}

void XGridManagerViewController::clickCancelAllActionButton()
{
    removeAllMouseDatas();
    displayVirtualGridAttributes();
    setTotalCountText(XTotalText(0));
}

void XGridManagerViewController::applyAction(bool clickAll, bool ignoreDirectMode)
{
    displayVirtualGridAttributes();
    if (!ignoreDirectMode && m_directMode != 1)
        return;
    startPlayback(clickAll, false);
}

void XGridManagerViewController::clickApplyAllActionButton()
{
    applyAction(true, true);
}

void XGridManagerViewController::clickApplyAllReverseActionButton()
{
    displayVirtualGridAttributes();
    startPlayback(true, true);
}

void XGridManagerViewController::clickDirectModeButton(bool on)
{
    m_directMode = on ? 1 : 0;
}

void XGridManagerViewController::clickNumberButton(XNumberButton* sender)
{
    addMouseDatas(
        {XMouseData::mouseDataWithIndex(static_cast<std::uint64_t>(std::max(0L, sender->tag())), 1)}, true);
    applyAction(false, false);
}

void XGridManagerViewController::clickSpecialButton()
{
    addMouseDatas({XMouseData::mouseDataWithIndex(1, 1), XMouseData::mouseDataWithIndex(2, 3),
                   XMouseData::mouseDataWithIndex(13, 1), XMouseData::mouseDataWithIndex(24, 4),
                   XMouseData::mouseDataWithIndex(25, 1), XMouseData::mouseDataWithIndex(6, 1)},
                  true);
    applyAction(false, false);
}

void XGridManagerViewController::clickEditGridWindowMode(bool locked)
{
    XGridWindowController* overlay = gridWindowController();
    overlay->setEnableWindow(!locked);
    QWidget* window = view()->window();
    m_platform.setWindowLevel(*window,
                              locked ? m_platform.windowLevel(*overlay->window()) - 1 : XNormalWindowLevel);
}

void XGridManagerViewController::findTable()
{
    view()->gridLockButton->setChecked(false);
    gridWindowController()->findTable();
}

void XGridManagerViewController::mouseEntered(XNumberButton* sender)
{
    m_view->displayTextField->setText(tr("鼠标进入\"按钮%1\"区域").arg(sender->text()));
}

void XGridManagerViewController::mouseExited(XNumberButton* sender)
{
    m_view->displayTextField->setText(tr("鼠标离开\"按钮%1\"区域").arg(sender->text()));
}

void XGridManagerViewController::placeCatalogueBet(const BetEntry& entry)
{
    XClickGroup group;
    for (const BetClick& click : entry.clicks)
        group.push_back(XMouseData::mouseDataWithIndex(click.index, click.clickCount));
    addMouseDatas(std::move(group), true);
    applyAction(false, false);
}

void XGridManagerViewController::clickAddToTableViewButton()
{
    if (m_mouseDataArray.isEmpty()) {
        runModalWithhMessageText(m_platform, tr("No Data in Grid"), tr("No Data in Grid", "what to do"),
                                 tr("OK"), {}, {}, view());
        return;
    }
    XTableMouseData saved;
    saved.setMouseDatas(combineAllMouseDatas());
    saved.setNote(QStringLiteral("Note"));
    saved.setName(freeBetName(static_cast<int>(m_tableViewDataSource.size()) + 1));
    view();
    m_savedBetsModel->append(std::move(saved));
    m_view->tableView->scrollToBottom();
}

void XGridManagerViewController::reloadTable()
{
    if (!m_view)
        return;
    // Refilling the table is no choice of the user's: it asks nothing.
    const QSignalBlocker quiet(m_view->tableView->selectionModel());
    m_savedBetsModel->reload();
}

void XGridManagerViewController::showRowMenu(int row)
{
    if (row < 0 || row >= static_cast<int>(m_tableViewDataSource.size()))
        return;
    const XTableMouseData& saved = m_tableViewDataSource[static_cast<std::size_t>(row)];
    QString text = tr("按钮存在以下数据:\n");
    for (const XMouseData& record : saved.mouseDatas())
        text += tr("(index:%1,clickCount:%2)  ").arg(record.index()).arg(record.clickCount());
    text += tr("\n\nAppend adds these clicks to the bet; Delete removes the saved bet.");
    // Enter, or a Space typed on, means Cancel: Append may click the table at once.
    const int answer = runModalWithhMessageText(m_platform, tr("请选择操作"), text, tr("Append"),
                                                tr("Cancel"), tr("Delete"), view(), XAlertSecondButtonReturn);
    if (row >= static_cast<int>(m_tableViewDataSource.size()))
        return;
    if (answer == 1) {
        XClickGroup group;
        for (const XMouseData& record : m_tableViewDataSource[static_cast<std::size_t>(row)].mouseDatas())
            group.push_back(record.copyMouseData());
        addMouseDatas(std::move(group), true);
        applyAction(false, false);
    } else if (answer == -1) {
        const QString which = m_savedBetsModel->index(row, XSavedBetsModel::BetColumn).data().toString();
        const QString note = m_savedBetsModel->index(row, XSavedBetsModel::NoteColumn).data().toString();
        const int sure =
            runModalWithhMessageText(m_platform, tr("Delete %1 (%2)?").arg(which, note),
                                     tr("The saved bet is removed from the table. This cannot be undone."),
                                     tr("Delete"), tr("No"), {}, view(), XAlertSecondButtonReturn);
        if (sure != 1 || row >= static_cast<int>(m_tableViewDataSource.size()))
            return;
        m_tableViewDataSource.erase(m_tableViewDataSource.begin() + row);
        reloadTable();
    }
}

void XGridManagerViewController::endEditing(int row, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(m_tableViewDataSource.size()))
        return;
    m_tableViewDataSource[static_cast<std::size_t>(row)].setNote(text);
    if (m_savedBetsModel)
        m_savedBetsModel->rowChanged(row);
}

void XGridManagerViewController::renameSavedBet(int row, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(m_tableViewDataSource.size()))
        return;
    XTableMouseData& saved = m_tableViewDataSource[static_cast<std::size_t>(row)];
    saved.setName(XRenamed(saved.name(), text));
    if (m_savedBetsModel)
        m_savedBetsModel->rowChanged(row);
}

QString XGridManagerViewController::freeBetName(int number) const
{
    QStringList names;
    for (const XTableMouseData& saved : m_tableViewDataSource)
        names << saved.name();
    return XFreeName(tr("Bet %1"), names, number);
}

void XGridManagerViewController::startPlayback(bool clickAll, bool reverse)
{
    if (!m_cellLocator) {
        // Without the overlay there is nowhere to click; clicking the screen's corner instead
        // would hit whatever is there.
        XLog("ERROR! no grid to click on");
        return;
    }
    // The run gets its own copy, taken here on the main thread.
    std::vector<XMouseData> list;
    if (clickAll)
        list = combineAllMouseDatas();
    else if (!m_mouseDataArray.isEmpty())
        list = m_mouseDataArray.groups().back();
    if (reverse)
        list = XReverseMouseDatas(list, virtualGridCellCount());
    if (m_windowPublisher)
        m_windowPublisher->publish();
    XPlaybackRun run = XCellRun(std::move(list), m_cellLocator, m_playbackControls);
    if (run.totalClicks() > 0)
        m_playbackQueue->enqueue(std::move(run));
}

void XGridManagerViewController::saveFileData()
{
    XPreferenceStore& store = m_platform.preferences();
    store.setInteger(kXGridManagerViewControllerDirectOnKey, static_cast<qint64>(m_directMode));
    // The pause in use, which text the field shows not being taken.
    store.setInteger(kXGridManagerViewControllerClickSpeedKey, m_pauseField->storedValue());
    QVariantList groups;
    for (const XClickGroup& group : m_mouseDataArray.groups())
        groups.append(XArchivesToVariant(archivedData(group, archiveMouseData)));
    store.setObject(kXGridManagerViewControllerDataSourceKey, groups);
    store.setObject(kXGridManagerViewControllerTableMouseDatasKey,
                    XArchivesToVariant(archivedData(m_tableViewDataSource, archiveTableMouseData)));
    store.synchronize();
}

void XGridManagerViewController::loadFileData()
{
    XPreferenceStore& store = m_platform.preferences();
    bool ok = false;
    if (store.containsKey(kXGridManagerViewControllerDirectOnKey)) {
        const qint64 direct = store.objectForKey(kXGridManagerViewControllerDirectOnKey).toLongLong(&ok);
        if (ok) {
            m_directMode = static_cast<std::uint64_t>(direct);
            const QSignalBlocker quiet(m_view->directModeButton);
            m_view->directModeButton->setChecked(m_directMode == 1);
        }
    }
    if (store.containsKey(kXGridManagerViewControllerClickSpeedKey)) {
        const qint64 speed = store.objectForKey(kXGridManagerViewControllerClickSpeedKey).toLongLong(&ok);
        // A stored value that is no pause (damage, or an older version's 0) leaves the layout's.
        if (ok)
            m_pauseField->restore(speed);
    }
    const XStoredBounds bounds = XStoredBounds::forScreens(m_platform.screens());
    const QVariant groups = store.objectForKey(kXGridManagerViewControllerDataSourceKey);
    if (groups.typeId() == QMetaType::QVariantList) {
        for (const QVariant& element : groups.toList()) {
            const auto archives = XArchivesFromVariant(element);
            if (!archives)
                break; // not a group: the rest is not read
            if (auto group = restoreGroup(*archives, bounds))
                addMouseDatas(std::move(*group), true);
        }
    }
    if (!store.containsKey(kXGridManagerViewControllerTableMouseDatasKey))
        return;
    if (const auto archives =
            XArchivesFromVariant(store.objectForKey(kXGridManagerViewControllerTableMouseDatasKey)))
        m_tableViewDataSource =
            unArchivedData<XTableMouseData>(*archives, [&bounds](const QByteArray& archive) {
                return XUnarchiveTableMouseDataWithin(archive, bounds);
            });
    // Bets saved before they had names get the one their place gives them.
    for (std::size_t i = 0; i < m_tableViewDataSource.size(); ++i) {
        if (m_tableViewDataSource[i].name().isEmpty())
            m_tableViewDataSource[i].setName(freeBetName(static_cast<int>(i) + 1));
    }
}
