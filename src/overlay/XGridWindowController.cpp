#include "XGridWindowController.h"

#include "XAreaFit.h"
#include "XGridColors.h"
#include "XGridFootprint.h"
#include "XSidePanelPlacement.h"
#include "XTableFinding.h"
#include "XWindowDragHandle.h"
#include "bets/XArchiving.h"
#include "bets/XFreeName.h"
#include "platform/XPlatform.h"
#include "platform/XPreferenceStore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

const QString kXGridWindowDataKey = QStringLiteral("kXGridWindowDataKey");
const QString kXGridWindowTableDataKey = QStringLiteral("kXGridWindowTableDataKey");

namespace {
constexpr int kRightViewWidth = 190;
constexpr int kRightViewSmallestWidth = 150;

QRect defaultWindowArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size(std::min(1000, available.width() - 40), std::min(340, available.height() - 80));
    // Across the top of the screen, where the main window (centred) leaves it visible.
    return QRect(QPoint(available.center().x() - size.width() / 2, available.top() + 40), size);
}

bool isOnSomeScreen(const QRectF& area, const std::vector<XScreenInfo>& screens)
{
    for (const XScreenInfo& screen : screens) {
        if (screen.geometry.intersects(area))
            return true;
    }
    return screens.empty();
}

const std::function<QByteArray(const XGridWindowData&)> archiveLayout = XArchiveGridWindowData;
} // namespace

XGridWindowController::XGridWindowController(XPlatform& platform, QObject* parent)
    : QObject(parent), m_platform(platform),
      m_view(std::make_unique<XGridWindowMainView>(platform, defaultWindowArea()))
{
    m_view->setWindowTitle(tr("Tableclick grid"));
    m_view->setObjectName(QStringLiteral("gridWindowMainView"));
    m_view->setShapedToPaint(true);
    // Decided once, before the window exists: its visual has an alpha channel or not.
    m_view->setTranslucentEditing(platform.hasCompositingManager());
    m_view->installEventFilter(this);
    buildRightView();
    windowDidLoad();
    setEnableWindow(false);
}

XGridWindowController::~XGridWindowController()
{
    saveLayouts();
}

bool XGridWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view.get())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        event->ignore();
        return true;
    case QEvent::Move:
        placeRightView();
        break;
    case QEvent::Resize:
        placeRightView();
        keepLogicalSize();
        break;
    case QEvent::ScreenChangeInternal:
        // Carried onto another monitor: the grid keeps its size; where the window goes is
        // the drag's business until it ends.
        keepLogicalSize();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QString XGridWindowController::freeLayoutName(int number) const
{
    QStringList names;
    for (const XGridWindowData& layout : m_gridWindowDatas)
        names << layout.name;
    return XFreeName(tr("Layout %1"), names, number);
}

void XGridWindowController::buildRightView()
{
    // A window of its own beside the grid's, so that switching state never changes the
    // grid's window; a child of it, so that it goes with it.
    m_rightView = new QWidget(m_view.get(), Qt::Window | Qt::FramelessWindowHint |
                                                Qt::X11BypassWindowManagerHint | Qt::WindowStaysOnTopHint);
    m_rightView->setObjectName(QStringLiteral("gridWindowRightView"));
    m_rightView->setAutoFillBackground(true);
    // Narrower only where nothing else keeps it off the grid.
    m_rightView->setMinimumWidth(kRightViewSmallestWidth);
    m_rightView->setMaximumWidth(kRightViewWidth);
    auto* layout = new QVBoxLayout(m_rightView);
    layout->setContentsMargins(8, 8, 8, 8);

    // No window manager frames these windows: the panel's strip moves the panel, as a title
    // bar would; the grid's window has a handle of its own to move it, and its grip.
    auto* title =
        new XWindowDragHandle(XWindowDragHandle::Move, tr("Tableclick grid"), m_rightView, m_rightView);
    title->setObjectName(QStringLiteral("gridPanelTitle"));
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::StyledPanel);
    title->setMinimumHeight(24);
    title->setToolTip(tr("Drag to move this panel"));
    layout->addWidget(title);

    buildFindTable(*layout);

    layout->addWidget(new QLabel(tr("Line colour"), m_rightView));
    m_colorButton = new QComboBox(m_rightView);
    m_colorButton->setObjectName(QStringLiteral("gridColorPopUp"));
    for (const XNamedColor& named : XGridColorPalette()) {
        QPixmap swatch(12, 12);
        swatch.fill(named.color);
        m_colorButton->addItem(QIcon(swatch), QCoreApplication::translate("XGridColors", named.label));
    }
    m_colorButton->setToolTip(tr("Colour of the grid lines"));
    layout->addWidget(m_colorButton);

    m_resetButton = new QPushButton(tr("Reset grid"), m_rightView);
    m_resetButton->setToolTip(tr("Put the grid back to its first place and size, without gaps"));
    layout->addWidget(m_resetButton);

    layout->addWidget(new QLabel(tr("Saved layouts"), m_rightView));
    m_tableView = new QListWidget(m_rightView);
    m_tableView->setObjectName(QStringLiteral("gridLayoutTable"));
    m_tableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tableView->setToolTip(tr("Select a layout to put the window and grid where it was saved"));
    layout->addWidget(m_tableView, 1);

    auto* buttons = new QHBoxLayout;
    m_addButton = new QPushButton(QStringLiteral("+"), m_rightView);
    m_addButton->setToolTip(tr("Save the current window and grid as a layout"));
    m_removeButton = new QPushButton(QStringLiteral("−"), m_rightView);
    m_removeButton->setToolTip(tr("Remove the selected layouts"));
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    layout->addLayout(buttons);
    // The grip sits in the grid window's own bottom-right corner.
    m_grip =
        new XWindowDragHandle(XWindowDragHandle::Resize, QStringLiteral("◢"), m_view.get(), m_view.get());
    m_grip->setObjectName(QStringLiteral("gridWindowGrip"));
    m_grip->setToolTip(tr("Drag to resize the grid's window"));
    m_grip->setAlignment(Qt::AlignCenter);
    m_grip->setAutoFillBackground(true);
    m_grip->setMinimumWindowSize(QSize(120, 80));
    // In the window's top-right corner, where the grid leaves room at first.
    m_mover = new XWindowDragHandle(XWindowDragHandle::Move, QStringLiteral("✥"), m_view.get(), m_view.get());
    m_mover->setObjectName(QStringLiteral("gridWindowTitle"));
    m_mover->setToolTip(tr("Drag to move the grid's window"));
    m_mover->setAlignment(Qt::AlignCenter);
    m_mover->setAutoFillBackground(true);
    m_mover->setCursor(Qt::SizeAllCursor);
    m_view->setControls({m_mover, m_grip});
    m_view->setCoveringWindow(m_rightView);
    for (XWindowDragHandle* handle : {title, m_mover})
        handle->setScreens([this] { return m_platform.screens(); });
    connect(m_mover, &XWindowDragHandle::dragFinished, this, &XGridWindowController::keepOnScreen);
    connect(m_grip, &XWindowDragHandle::dragFinished, this, &XGridWindowController::keepOnScreen);
    connect(title, &XWindowDragHandle::dragFinished, this, [this] {
        m_panelPlacedByUser = true;
        placeRightView();
    });
    // A grid edited under the panel sends it elsewhere.
    connect(m_view.get(), &XGridWindowMainView::graphicEdited, this, &XGridWindowController::placeRightView);

    placeRightView();
    connect(m_colorButton, &QComboBox::currentIndexChanged, this,
            &XGridWindowController::clickSelectedGraphicColorButton);
    connect(m_resetButton, &QPushButton::clicked, this, &XGridWindowController::clickResetGraphicButton);
    connect(m_addButton, &QPushButton::clicked, this, &XGridWindowController::clickAddGraphicDataButton);
    connect(m_removeButton, &QPushButton::clicked, this,
            &XGridWindowController::clickRemoveGraphicDataButton);
    connect(m_tableView, &QListWidget::itemSelectionChanged, this,
            &XGridWindowController::tableViewSelectionDidChange);
    connect(m_tableView, &QListWidget::itemChanged, this, &XGridWindowController::layoutRenamed);
}

void XGridWindowController::buildFindTable(QVBoxLayout& layout)
{
    m_findTableButton = new QPushButton(tr("Find table"), m_rightView);
    m_findTableButton->setObjectName(QStringLiteral("findTableButton"));
    m_findTableButton->setToolTip(tr("Look at the screen under the grid and lay the grid on the table there"));
    m_undoFindButton = new QPushButton(tr("Undo"), m_rightView);
    m_undoFindButton->setObjectName(QStringLiteral("undoFindTableButton"));
    m_undoFindButton->setToolTip(tr("Put the grid back where it was before Find table"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_findTableButton, 1);
    row->addWidget(m_undoFindButton);
    layout.addLayout(row);
    m_findTableStatus = new QLabel(m_rightView);
    m_findTableStatus->setObjectName(QStringLiteral("findTableStatus"));
    m_findTableStatus->setWordWrap(true);
    m_findTableStatus->hide();
    layout.addWidget(m_findTableStatus);

    m_tableFinding = new XTableFinding(
        m_platform, {QPointer<QWidget>(m_view.get()), QPointer<QWidget>(m_rightView)},
        [this] { return gridWindowData(); },
        [this](const XGridWindowData& data) {
            loadWithGridWindowData(data);
            m_view->setNeedsDisplay();
        },
        this);
    const auto showState = [this] {
        m_findTableButton->setEnabled(!m_tableFinding->isFinding());
        m_undoFindButton->setEnabled(m_tableFinding->canUndo());
        m_findTableStatus->setText(m_tableFinding->status());
        m_findTableStatus->setVisible(!m_tableFinding->status().isEmpty());
        // Room for the whole text, wrapped at the panel's width; the panel grows to hold it.
        const QMargins margins = m_rightView->layout()->contentsMargins();
        m_findTableStatus->setMinimumHeight(std::max(
            0, m_findTableStatus->heightForWidth(kRightViewSmallestWidth - margins.left() - margins.right())));
        m_rightView->layout()->activate();
        // Not while the panel is being built.
        if (m_grip)
            placeRightView();
    };
    connect(m_tableFinding, &XTableFinding::changed, this, showState);
    connect(m_findTableButton, &QPushButton::clicked, m_tableFinding, &XTableFinding::find);
    connect(m_undoFindButton, &QPushButton::clicked, m_tableFinding, &XTableFinding::undo);
    showState();
}

void XGridWindowController::findTable()
{
    m_tableFinding->find();
}

QRegion XGridWindowController::keptInSight() const
{
    // The grid's box with its handles, and the window's own controls, on the screen.
    XGraphic graphic = m_view->graphic();
    graphic.calculateLinearEquations();
    QRegion region(XGridFootprint(graphic, true).boundingRect() & m_view->rect());
    for (const QWidget* control : {static_cast<const QWidget*>(m_grip), static_cast<const QWidget*>(m_mover)})
        region += control->geometry();
    return region.translated(m_view->geometry().topLeft());
}

void XGridWindowController::placeRightView()
{
    // Not before the window's controls are built.
    if (!m_grip || !m_mover)
        return;
    constexpr int gripSize = 18;
    m_grip->setGeometry(m_view->width() - gripSize, m_view->height() - gripSize, gripSize, gripSize);
    m_mover->setGeometry(m_view->width() - gripSize, 0, gripSize, gripSize);
    const QRect grid = m_view->geometry();
    const QScreen* screen = m_view->screen();
    const QRegion keepClear = keptInSight();
    // Where the user put the panel it stays, while it hides nothing of the grid.
    if (m_panelPlacedByUser && screen && !keepClear.intersects(m_rightView->geometry()) &&
        QGuiApplication::screenAt(m_rightView->geometry().center()))
        return;
    m_panelPlacedByUser = false;
    const QSize panel(kRightViewWidth, std::max(m_view->height(), m_rightView->minimumSizeHint().height()));
    const QSize smallest(kRightViewSmallestWidth, m_rightView->minimumSizeHint().height());
    m_rightView->setGeometry(
        screen ? XSidePanelArea(grid, panel, smallest, keepClear, screen->availableGeometry())
               : QRect(grid.topRight() + QPoint(1, 0), panel));
}

void XGridWindowController::windowDidLoad()
{
    XPreferenceStore& store = m_platform.preferences();
    // Layouts are read against the monitors there are now.
    const XStoredBounds bounds = XStoredBounds::forScreens(m_platform.screens());
    const std::function<std::optional<XGridWindowData>(const QByteArray&)> unarchiveLayout =
        [&bounds](const QByteArray& archive) { return XUnarchiveGridWindowDataWithin(archive, bounds); };
    std::optional<XGridWindowData> current;
    if (store.containsKey(kXGridWindowDataKey))
        current = unarchiveLayout(store.objectForKey(kXGridWindowDataKey).toByteArray());
    if (store.containsKey(kXGridWindowTableDataKey)) {
        if (const auto archives = XArchivesFromVariant(store.objectForKey(kXGridWindowTableDataKey)))
            m_gridWindowDatas = unArchivedData(*archives, unarchiveLayout);
    }
    // Layouts saved before they had names get the one their place gives them.
    for (std::size_t i = 0; i < m_gridWindowDatas.size(); ++i) {
        if (m_gridWindowDatas[i].name.isEmpty())
            m_gridWindowDatas[i].name = freeLayoutName(static_cast<int>(i) + 1);
    }
    // The pop-up starts at the colour last used, so the lines keep it across runs.
    if (current && current->graphicColor) {
        const auto& palette = XGridColorPalette();
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (palette[i].color.rgb() == current->graphicColor->rgb()) {
                const QSignalBlocker quiet(m_colorButton);
                m_colorButton->setCurrentIndex(static_cast<int>(i));
            }
        }
    }
    reloadTable();
    loadWithGridWindowData(current);
}

XGridWindowData XGridWindowController::gridWindowData() const
{
    const XGraphic& g = m_view->graphic();
    XGridWindowData d;
    d.windowFrame = m_platform.windowFrame(*m_view);
    d.graphicColor = g.borderColor();
    d.graphicRect = g.graphicRect();
    d.graphicZeroZoneWidth = g.zeroZoneWidth();
    d.topGaps = g.topGaps();
    d.leftGaps = g.leftGaps();
    d.bottomGaps = g.bottomGaps();
    d.rightGaps = g.rightGaps();
    return d;
}

void XGridWindowController::loadWithGridWindowData(const std::optional<XGridWindowData>& data)
{
    if (!data)
        return;
    const XGridWindowData& d = *data;
    // A damaged record (no size, or off every monitor) must not take the window away.
    if (d.windowFrame.width() >= 1 && d.windowFrame.height() >= 1 &&
        isOnSomeScreen(d.windowFrame, m_platform.screens())) {
        m_view->setGeometry(d.windowFrame.toAlignedRect());
    }
    XGraphic& g = m_view->graphic();
    // All-zero corners come only from a damaged record; the grid keeps its place then.
    if (!XIsZeroGraphicRect(d.graphicRect))
        g.setGraphicRect(d.graphicRect);
    g.setZeroZoneWidth(d.graphicZeroZoneWidth);
    if (d.topGaps.size() == g.topGaps().size())
        g.setTopGaps(d.topGaps);
    if (d.leftGaps.size() == g.leftGaps().size())
        g.setLeftGaps(d.leftGaps);
    if (d.bottomGaps.size() == g.bottomGaps().size())
        g.setBottomGaps(d.bottomGaps);
    if (d.rightGaps.size() == g.rightGaps().size())
        g.setRightGaps(d.rightGaps);
    clickSelectedGraphicColorButton();
}

void XGridWindowController::setEnableWindow(bool enable)
{
    // The grid's window keeps its area; the side panel shows beside it.
    if (enable != m_enabled) {
        // Before the window covers the table: the screen still shows it around the lines.
        if (enable)
            m_view->captureScreenBehind();
        else
            m_view->dropScreenBehind();
    }
    // Locking accepts what Find table proposed.
    if (!enable)
        m_tableFinding->forgetUndo();
    m_enabled = enable;
    placeRightView();
    m_grip->setVisible(enable);
    m_mover->setVisible(enable);
    m_rightView->setVisible(enable);
    m_platform.setWindowClickThrough(*m_view, !enable);
    m_view->setNeedsDisplay();
}

void XGridWindowController::keepLogicalSize()
{
    const double ratio = m_view->devicePixelRatioF();
    if (m_logicalSize.isEmpty() || ratio == m_ratio) {
        m_logicalSize = m_view->size();
        m_ratio = ratio;
        return;
    }
    // On a monitor of another scale the window would keep its size in device pixels and
    // cut the grid, drawn in logical ones: it keeps its logical size instead.
    m_ratio = ratio;
    if (m_view->size() != m_logicalSize) {
        QTimer::singleShot(0, this, [this] {
            m_view->resize(m_logicalSize);
            keepOnScreen();
        });
    }
}

void XGridWindowController::keepOnScreen()
{
    const QScreen* screen = m_view->screen();
    if (!screen)
        return;
    // All of it on the monitors stays where it was dropped, even across two of them; only
    // a window partly off them all is brought onto the one Qt shows it by.
    const auto screens = m_platform.screens();
    QRegion monitors;
    for (const XScreenInfo& monitor : screens)
        monitors += XDeviceArea(monitor).toAlignedRect();
    const QRectF frame(m_view->geometry());
    const QRect device = QRectF(XWindowPointToDevice(frame, {0, 0}, screens),
                                XWindowPointToDevice(frame, QPointF(frame.width(), frame.height()), screens))
                             .toAlignedRect();
    if (!monitors.isEmpty() && (QRegion(device) - monitors).isEmpty())
        return;
    const QRect area = XKeptInside(m_view->geometry(), screen->availableGeometry());
    if (area != m_view->geometry())
        m_view->setGeometry(area);
}

void XGridWindowController::clickSelectedGraphicColorButton()
{
    const int i = m_colorButton->currentIndex();
    const auto& palette = XGridColorPalette();
    if (i >= 0 && i < static_cast<int>(palette.size()))
        m_view->graphic().setBorderColor(palette[static_cast<std::size_t>(i)].color);
    m_view->setNeedsDisplay();
}

void XGridWindowController::clickResetGraphicButton()
{
    m_view->resetGraphic();
}

void XGridWindowController::clickAddGraphicDataButton()
{
    XGridWindowData layout = gridWindowData();
    layout.name = freeLayoutName(static_cast<int>(m_gridWindowDatas.size()) + 1);
    m_gridWindowDatas.push_back(std::move(layout));
    reloadTable();
    selectRow(static_cast<int>(m_gridWindowDatas.size()) - 1);
}

void XGridWindowController::clickRemoveGraphicDataButton()
{
    const QModelIndexList selected = m_tableView->selectionModel()->selectedRows();
    const int count = static_cast<int>(m_gridWindowDatas.size());
    int r = m_tableView->currentRow();
    if (!m_tableView->selectionModel()->isRowSelected(r, {}))
        r = selected.isEmpty() ? -1 : selected.last().row();
    if (r < 0 || r >= count)
        return;
    std::vector<XGridWindowData> kept;
    for (int row = 0; row < count; ++row) {
        if (!m_tableView->selectionModel()->isRowSelected(row, {}))
            kept.push_back(m_gridWindowDatas[static_cast<std::size_t>(row)]);
    }
    m_gridWindowDatas = std::move(kept);
    reloadTable();
    if (!m_gridWindowDatas.empty())
        selectRow(std::min(r, static_cast<int>(m_gridWindowDatas.size()) - 1));
}

void XGridWindowController::reloadTable()
{
    const QSignalBlocker quiet(m_tableView);
    m_tableView->clear();
    for (const XGridWindowData& layout : m_gridWindowDatas) {
        auto* item = new QListWidgetItem(layout.name, m_tableView);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void XGridWindowController::layoutRenamed(QListWidgetItem* item)
{
    const int row = m_tableView->row(item);
    if (row < 0 || row >= static_cast<int>(m_gridWindowDatas.size()))
        return;
    QString& name = m_gridWindowDatas[static_cast<std::size_t>(row)].name;
    name = XRenamed(name, item->text());
    if (item->text() != name) {
        const QSignalBlocker quiet(m_tableView);
        item->setText(name);
    }
}

void XGridWindowController::selectRow(int row)
{
    m_tableView->clearSelection();
    m_tableView->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_tableView->scrollToItem(m_tableView->item(row));
}

void XGridWindowController::tableViewSelectionDidChange()
{
    const int r = m_tableView->currentRow();
    if (r >= 0 && r < static_cast<int>(m_gridWindowDatas.size()) && m_tableView->item(r)->isSelected())
        loadWithGridWindowData(m_gridWindowDatas[static_cast<std::size_t>(r)]);
}

void XGridWindowController::saveLayouts()
{
    XPreferenceStore& store = m_platform.preferences();
    store.setObject(kXGridWindowDataKey, XArchiveGridWindowData(gridWindowData()));
    store.setObject(kXGridWindowTableDataKey,
                    XArchivesToVariant(archivedData(m_gridWindowDatas, archiveLayout)));
    store.synchronize();
}
