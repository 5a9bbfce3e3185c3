#include "XAddMouseActionViewController.h"

#include "XActionListText.h"
#include "XAddMouseActionView.h"
#include "XHotKeyField.h"
#include "XKeyCombo.h"
#include "XTextValues.h"
#include "XUserDefinedButton.h"
#include "bets/XArchiving.h"
#include "bets/XClickablePoint.h"
#include "bets/XPlaybackQueue.h"
#include "hotkeys/HKKeyEvent.h"
#include "panel/XButton.h"
#include "panel/XPanelWindowPublisher.h"
#include "platform/XAlert.h"
#include "platform/XPlatform.h"
#include "platform/XPreferenceStore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

const QString kXAddMouseActionViewControllerTableArrayKey =
    QStringLiteral("kXAddMouseActionViewControllerTableArrayKey");
const QString kXAddMouseActionViewControllerMouseDataKey =
    QStringLiteral("kXAddMouseActionViewControllerMouseDataKey");
const QString kXAddMouseActionViewControllerShortcutKey =
    QStringLiteral("kXAddMouseActionViewControllerShortcutKey");

QString XAddMouseActionViewControllerUserDefinedButtonKey(int number)
{
    return QStringLiteral("kXAddMouseActionViewControllerUserDefinedButton%1Key").arg(number);
}

namespace {
const std::function<QByteArray(const XMouseData&)> archiveMouseData = XArchiveMouseData;

constexpr std::uint32_t kLeftEventType = 1;
constexpr std::uint32_t kRightEventType = 3;

// The records stored under a key; none when the value is no array of archives. Records
// whose point lies out of bounds are left out.
std::vector<XMouseData> storedList(const XPreferenceStore& store, const QString& key,
                                   const XStoredBounds& bounds)
{
    const auto archives = XArchivesFromVariant(store.objectForKey(key));
    if (!archives)
        return {};
    return unArchivedData<XMouseData>(*archives, [&bounds](const QByteArray& archive) {
        return XUnarchiveMouseDataWithin(archive, bounds);
    });
}

bool sameRecords(const std::vector<XMouseData>& a, const std::vector<XMouseData>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const XMouseData& x, const XMouseData& y) { return x.isEqual(y); });
}

QString decimalText(double value)
{
    return QString::asprintf("%.2f", value);
}

// A coordinate typed for Add: the whole text one finite number ("12.5", " 1e3 ").
std::optional<double> typedCoordinate(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The monitors' extent along one axis (each [from, to)), joined where they touch:
// "0 to 1919, 2000 to 3279".
QString spanText(std::vector<std::pair<double, double>> spans)
{
    std::sort(spans.begin(), spans.end());
    QStringList parts;
    for (std::size_t i = 0; i < spans.size();) {
        const double from = spans[i].first;
        double to = spans[i].second;
        for (++i; i < spans.size() && spans[i].first <= to; ++i)
            to = std::max(to, spans[i].second);
        parts
            << QCoreApplication::translate("XAddMouseActionViewController", "%1 to %2").arg(from).arg(to - 1);
    }
    return parts.join(QStringLiteral(", "));
}

bool inSpan(const std::vector<std::pair<double, double>>& spans, double value)
{
    return std::any_of(spans.begin(), spans.end(),
                       [value](const auto& span) { return value >= span.first && value < span.second; });
}

const char* const kNormalToolTip = "normalToolTip";
} // namespace

XAddMouseActionViewController::XAddMouseActionViewController(XPlatform& platform,
                                                             HKHotKeyCenter& hotKeyCenter,
                                                             std::shared_ptr<XPlaybackQueue> queue,
                                                             QObject* parent)
    : QObject(parent), m_platform(platform), m_hotKeyCenter(hotKeyCenter),
      m_playbackControls(std::make_shared<XPlaybackControls>()),
      m_playbackQueue(queue ? std::move(queue) : std::make_shared<XPlaybackQueue>(platform))
{
    // Action lists click with the small drag and 1 ms between clicks.
    m_playbackControls->setNeedMouseDrag(true);
    m_playbackControls->setDelayText(QStringLiteral("1"));
    m_captureTimer.setInterval(1000);
    connect(&m_captureTimer, &QTimer::timeout, this, &XAddMouseActionViewController::captureTick);
}

XAddMouseActionViewController::~XAddMouseActionViewController()
{
    if (m_view) {
        saveFileData();
        m_view->mouseCursorField->unregisterHotKey();
    }
    m_dataSource.clear();
}

XAddMouseActionView* XAddMouseActionViewController::view()
{
    if (!m_view)
        loadView();
    return m_view.get();
}

void XAddMouseActionViewController::loadView()
{
    m_view = std::make_unique<XAddMouseActionView>(m_platform, m_hotKeyCenter, *m_playbackQueue);
    XAddMouseActionView& v = *m_view;
    connect(v.addActionButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clikcAddActionButton);
    connect(v.moveUpButton, &QPushButton::clicked, this, &XAddMouseActionViewController::clikcMoveUpButton);
    connect(v.moveDownButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clikcMoveDownButton);
    connect(v.deleteButton, &QPushButton::clicked, this, &XAddMouseActionViewController::clikcDeleteButton);
    connect(v.deleteAllButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clikcDeleteAllButton);
    connect(v.executeListButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clickExecuteListButton);
    connect(v.addClickPositionButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clickAddClickPositionButton);
    connect(v.userDefinedClickButton, &QPushButton::clicked, this,
            &XAddMouseActionViewController::clickUserDefinedClickButton);
    for (QLineEdit* field : {v.xPosTextField, v.yPosTextField})
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            if (field->property("refused").toBool())
                markRefusedField(field, {});
        });
    for (XUserDefinedButton* button : v.userDefinedButtons) {
        connect(button, &QPushButton::clicked, this, [this, button] { clickUserDefinedButton(button); });
        connect(button, &XUserDefinedButton::dataSourceChanged, this,
                [this, button] { refreshUserDefinedButton(button); });
        refreshUserDefinedButton(button);
    }
    m_windowPublisher = new XPanelWindowPublisher(*m_view, m_platform, m_playbackControls);

    m_dataSource.clear();
    v.mouseCursorField->setHotKeyTarget(this, QByteArrayLiteral("mouseCursorPositionHotKeyWithEvent"));
    loadFileData();
    reloadTable();
    styleView();
}

void XAddMouseActionViewController::styleView()
{
    const auto style = [](XButton* button, double r, double g, double b) {
        button->setBgColor(
            QColor::fromRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)));
        button->setCornerRadius(6.0);
    };
    style(m_view->addClickPositionButton, 0.529, 0.529, 0.529);
    style(m_view->userDefinedClickButton, 1.0, 0.0, 0.0);
}

void XAddMouseActionViewController::setDataSource(std::vector<XMouseData> list)
{
    m_dataSource = std::move(list);
    reloadTable();
}

XMouseData XAddMouseActionViewController::editorRecord() const
{
    XMouseData record;
    record.setMousePoint(
        {XDecimalValue(m_view->xPosTextField->text()), XDecimalValue(m_view->yPosTextField->text())});
    const QComboBox* popup = m_view->actionPopupButton;
    const int tag = popup->currentIndex() < 0 ? -1 : popup->currentData().toInt();
    record.setEventType(tag == 0 ? kLeftEventType : tag == 1 ? kRightEventType : 0);
    record.setIndex(0);
    return record;
}

bool XAddMouseActionViewController::editorPointIsClickable()
{
    const std::optional<double> x = typedCoordinate(m_view->xPosTextField->text());
    const std::optional<double> y = typedCoordinate(m_view->yPosTextField->text());
    std::vector<QRectF> monitors;
    std::vector<std::pair<double, double>> across, down;
    for (const XScreenInfo& screen : m_platform.screens()) {
        monitors.push_back(screen.geometry);
        across.emplace_back(screen.geometry.left(), screen.geometry.left() + screen.geometry.width());
        down.emplace_back(screen.geometry.top(), screen.geometry.top() + screen.geometry.height());
    }
    if (x && y && XPointIsOnAMonitor({*x, *y}, monitors))
        return true;
    // Mark what lies on no monitor; both when each does, but not together.
    const bool xFits = x && inSpan(across, *x);
    const bool yFits = y && inSpan(down, *y);
    if (!xFits || yFits)
        markRefusedField(m_view->xPosTextField,
                         tr("X must be a number on a screen: %1").arg(spanText(across)));
    if (!yFits || xFits)
        markRefusedField(m_view->yPosTextField, tr("Y must be a number on a screen: %1").arg(spanText(down)));
    return false;
}

void XAddMouseActionViewController::markRefusedField(QLineEdit* field, const QString& why)
{
    if (!field->property(kNormalToolTip).isValid())
        field->setProperty(kNormalToolTip, field->toolTip());
    field->setProperty("refused", !why.isEmpty());
    field->setStyleSheet(why.isEmpty() ? QString()
                                       : QStringLiteral("QLineEdit { border: 2px solid #e00000; }"));
    field->setToolTip(why.isEmpty() ? field->property(kNormalToolTip).toString() : why);
}

void XAddMouseActionViewController::clikcAddActionButton()
{
    // A click where no monitor is lands nowhere the user meant: refused here, said why.
    if (!editorPointIsClickable())
        return;
    XMouseData record = editorRecord();
    const long count = XIntegerValue(m_view->clickCountTextField->text());
    record.setClickCount(count < 1 ? 1 : static_cast<std::uint64_t>(count));
    record.setIndex(m_dataSource.size() + 1);
    addMouseDataSource(record);
}

void XAddMouseActionViewController::addMouseDataSource(const XMouseData& record)
{
    m_dataSource.push_back(record);
    reloadTable();
    const int last = numberOfRowsInTableView() - 1;
    selectRowAlone(last);
    m_view->tableView->scrollToItem(m_view->tableView->item(last, 0));
}

std::vector<int> XAddMouseActionViewController::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_view->tableView->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void XAddMouseActionViewController::selectRowAlone(int row)
{
    QTableWidget* table = m_view->tableView;
    if (row < 0 || row >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    const QItemSelection selection(table->model()->index(row, 0),
                                   table->model()->index(row, table->columnCount() - 1));
    table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    table->selectionModel()->setCurrentIndex(table->model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void XAddMouseActionViewController::clikcMoveUpButton()
{
    const std::vector<int> rows = selectedRows();
    if (m_dataSource.size() <= 1 || rows.empty() || rows.front() <= 0)
        return;
    const auto r = static_cast<std::size_t>(rows.front());
    std::swap(m_dataSource[r], m_dataSource[r - 1]);
    reloadTable();
    selectRowAlone(rows.front() - 1);
}

void XAddMouseActionViewController::clikcMoveDownButton()
{
    const std::vector<int> rows = selectedRows();
    if (m_dataSource.size() <= 1 || rows.empty() || rows.back() >= numberOfRowsInTableView() - 1)
        return;
    const auto r = static_cast<std::size_t>(rows.back());
    std::swap(m_dataSource[r], m_dataSource[r + 1]);
    reloadTable();
    selectRowAlone(rows.back() + 1);
}

void XAddMouseActionViewController::clikcDeleteButton()
{
    const std::vector<int> rows = selectedRows();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        m_dataSource.erase(m_dataSource.begin() + *it);
    m_view->tableView->clearSelection();
    reloadTable();
}

void XAddMouseActionViewController::clikcDeleteAllButton()
{
    m_dataSource.clear();
    reloadTable();
}

QString XAddMouseActionViewController::tableViewObjectValue(int column, int row) const
{
    if (row < 0 || row >= numberOfRowsInTableView())
        return {};
    const XMouseData& record = m_dataSource[static_cast<std::size_t>(row)];
    switch (column) {
    case 0:
        return QString::asprintf("%ld", static_cast<long>(row) + 1);
    case 1:
        return record.eventType() == kLeftEventType ? tr("Left") : tr("Right");
    case 2:
        return decimalText(record.mousePoint().x());
    case 3:
        return decimalText(record.mousePoint().y());
    case 4:
        return QString::asprintf("%ld", static_cast<long>(record.clickCount()));
    default:
        return {};
    }
}

void XAddMouseActionViewController::reloadTable()
{
    if (!m_view)
        return;
    QTableWidget* table = m_view->tableView;
    const QSignalBlocker quiet(table);
    table->setRowCount(numberOfRowsInTableView());
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(tableViewObjectValue(column, row));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setTextAlignment(column >= 2 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
}

void XAddMouseActionViewController::clickExecuteListButton()
{
    if (m_dataSource.empty())
        return;
    m_windowPublisher->publish();
    // Taken here, on the main thread: the worker must not ask Qt about screens.
    const std::vector<XScreenInfo> screens = m_platform.screens();
    m_playbackQueue->enqueue(XPlaybackRun{
        m_dataSource,
        [screens](const XMouseData& record) { return XLogicalToDevicePoint(record.mousePoint(), screens); },
        m_playbackControls});
}

void XAddMouseActionViewController::clickUserDefinedButton(XUserDefinedButton* sender)
{
    if (!sender->holdsRecords()) {
        sender->setCopyDataSource(m_dataSource);
        return;
    }
    if (sameRecords(sender->dataSource(), m_dataSource))
        return;
    // Enter keeps the list: one key after Delete all must not wipe it.
    const int answer = runModalWithhMessageText(
        m_platform, tr("The Button Had Mouse Data"), tr("Do you want to replace It ?"), tr("YES"), tr("NO"),
        tr("Display Button Data In Table"), view(), XAlertSecondButtonReturn);
    if (answer == 1) {
        sender->replaceWithCopyDataSource(m_dataSource);
    } else if (answer == -1) {
        m_dataSource = sender->dataSource();
        reloadTable();
    }
}

void XAddMouseActionViewController::refreshUserDefinedButton(XUserDefinedButton* button)
{
    // Filled buttons stand out; the tip tells what they hold.
    button->setBgColor(button->holdsRecords() ? QColor(170, 220, 170) : QColor(Qt::white));
    QString tip = button->holdsRecords() ? XActionListText(button->dataSource()).trimmed()
                                         : tr("Empty: press to keep a copy of the table");
    if (button->canUndoReplace())
        tip += QStringLiteral("\n\n") + tr("Right-click, Undo replace: back to the list held before");
    button->setToolTip(tip);
}

void XAddMouseActionViewController::clickUserDefinedClickButton()
{
    QString text;
    for (std::size_t i = 0; i < m_view->userDefinedButtons.size(); ++i) {
        const XUserDefinedButton* button = m_view->userDefinedButtons[i];
        text += tr("List %1:").arg(i + 1) + QStringLiteral("\r\n") +
                (button->holdsRecords() ? XActionListText(button->dataSource())
                                        : tr("(empty)") + QStringLiteral("\r\n"));
    }
    runModalWithhMessageText(m_platform, tr("The list buttons"), text, tr("OK"), QString(), QString(),
                             view());
}

void XAddMouseActionViewController::clickAddClickPositionButton()
{
    if (m_captureTimer.isActive()) {
        // A second press calls the countdown off.
        m_captureTimer.stop();
        m_captureCountdown = 0;
        showCaptureTitle();
        return;
    }
    m_captureCountdown = kCaptureSeconds;
    showCaptureTitle();
    m_captureTimer.start();
}

void XAddMouseActionViewController::captureTick()
{
    if (--m_captureCountdown > 0) {
        showCaptureTitle();
        return;
    }
    m_captureTimer.stop();
    showCaptureTitle();
    const QPointF pointer(QCursor::pos());
    m_view->xPosTextField->setText(decimalText(pointer.x()));
    m_view->yPosTextField->setText(decimalText(pointer.y()));
    clikcAddActionButton();
}

void XAddMouseActionViewController::showCaptureTitle()
{
    m_view->addClickPositionButton->setText(m_captureCountdown > 0 ? tr("Point… %1").arg(m_captureCountdown)
                                                                   : tr("Add pointer in 3 s"));
}

void XAddMouseActionViewController::mouseCursorPositionHotKeyWithEvent(const HKKeyEvent& event)
{
    if (!m_view)
        return;
    // Already global, top-left origin and logical, as clicks are given.
    m_view->xPosTextField->setText(decimalText(event.locationInWindow.x()));
    m_view->yPosTextField->setText(decimalText(event.locationInWindow.y()));
}

void XAddMouseActionViewController::loadFileData()
{
    XPreferenceStore& store = m_platform.preferences();
    const XStoredBounds bounds = XStoredBounds::forScreens(m_platform.screens());
    if (std::vector<XMouseData> list = storedList(store, kXAddMouseActionViewControllerTableArrayKey, bounds);
        !list.empty())
        m_dataSource = std::move(list);

    const QVariant editor = store.objectForKey(kXAddMouseActionViewControllerMouseDataKey);
    if (editor.typeId() == QMetaType::QByteArray) {
        if (const std::optional<XMouseData> record =
                XUnarchiveMouseDataWithin(editor.toByteArray(), bounds)) {
            m_view->xPosTextField->setText(decimalText(record->mousePoint().x()));
            m_view->yPosTextField->setText(decimalText(record->mousePoint().y()));
            m_view->clickCountTextField->setText(
                QString::asprintf("%ld", static_cast<long>(record->clickCount())));
            if (record->eventType() == kLeftEventType)
                m_view->actionPopupButton->setCurrentIndex(0);
            else if (record->eventType() == kRightEventType)
                m_view->actionPopupButton->setCurrentIndex(1);
        }
    }

    for (std::size_t i = 0; i < m_view->userDefinedButtons.size(); ++i)
        m_view->userDefinedButtons[i]->setDataSource(storedList(
            store, XAddMouseActionViewControllerUserDefinedButtonKey(static_cast<int>(i + 1)), bounds));

    const QVariant shortcut = store.objectForKey(kXAddMouseActionViewControllerShortcutKey);
    if (shortcut.typeId() == QMetaType::QString) {
        if (const std::optional<XKeyCombo> combo = XKeyComboFromText(shortcut.toString());
            combo && XKeyComboIsStorable(*combo))
            m_view->mouseCursorField->setKeyCombo(*combo);
    }
}

void XAddMouseActionViewController::saveFileData()
{
    XPreferenceStore& store = m_platform.preferences();
    store.setObject(kXAddMouseActionViewControllerTableArrayKey,
                    XArchivesToVariant(archivedData(m_dataSource, archiveMouseData)));

    XMouseData editor = editorRecord();
    // As typed, without the lower bound of adding; a record holds no negative count.
    editor.setClickCount(
        static_cast<std::uint64_t>(std::max(0L, XIntegerValue(m_view->clickCountTextField->text()))));
    store.setObject(kXAddMouseActionViewControllerMouseDataKey, XArchiveMouseData(editor));

    for (std::size_t i = 0; i < m_view->userDefinedButtons.size(); ++i)
        store.setObject(
            XAddMouseActionViewControllerUserDefinedButtonKey(static_cast<int>(i + 1)),
            XArchivesToVariant(archivedData(m_view->userDefinedButtons[i]->dataSource(), archiveMouseData)));

    const XKeyCombo combo = m_view->mouseCursorField->keyCombo();
    if (XKeyComboIsStorable(combo))
        store.setObject(kXAddMouseActionViewControllerShortcutKey, XKeyComboText(combo));
    else
        store.removeObjectForKey(kXAddMouseActionViewControllerShortcutKey);
    store.synchronize();
}
