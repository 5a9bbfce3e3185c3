#include "XGridManagerView.h"

#include "XBetButtonsView.h"
#include "XButton.h"
#include "XCaption.h"
#include "XVirtualButtonGridView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The number grid and the preview: 13 columns of 41 points, smaller when room is short.
void fitGridView(QWidget* view, int rowHeight)
{
    view->setMinimumSize(13 * 28, 3 * (rowHeight * 3 / 4));
    view->setMaximumSize(13 * 41, 3 * rowHeight);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

XButton* actionButton(const QString& title, const QString& tip, QWidget* parent)
{
    auto* button = new XButton(title, parent);
    // A click leaves the keyboard with the panel, where Space is BET; a focused button
    // would take Space as a press of its own.
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumHeight(34);
    button->setToolTip(tip);
    return button;
}
} // namespace

XGridManagerView::XGridManagerView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gridManagerView"));
    // Clicks on the panel (numbers, labels, buttons) give it the keyboard: Space is BET there.
    setFocusPolicy(Qt::ClickFocus);
    // The controls on the left keep their size; the bets beside them take what the window
    // gives, and the user may move the line between the two.
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("gridManagerSplitter"));
    splitter->setChildrenCollapsible(false);
    columns->addWidget(splitter);
    auto* controlsPane = new QWidget(splitter);
    auto* layout = new QVBoxLayout(controlsPane);
    layout->setContentsMargins(12, 10, 6, 10);
    layout->setSpacing(8);

    layout->addWidget(XCaption(tr("Numbers"), this));
    virtualButtonGridView = new XVirtualButtonGridView(this);
    virtualButtonGridView->setObjectName(QStringLiteral("virtualButtonGridView"));
    fitGridView(virtualButtonGridView, 44);
    layout->addWidget(virtualButtonGridView, 0, Qt::AlignHCenter);

    layout->addWidget(XCaption(tr("Bet"), this));
    virtualGridView = new XVirtualGridView(this);
    virtualGridView->setObjectName(QStringLiteral("virtualGridView"));
    fitGridView(virtualGridView, 28);
    virtualGridView->setToolTip(tr("How many times each number will be clicked"));
    layout->addWidget(virtualGridView, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    betButton = actionButton(tr("BET (space)"), tr("Click the whole bet on the table (Space)"), this);
    betButton->setObjectName(QStringLiteral("betButton"));
    reverseBetButton =
        actionButton(tr("Reverse"), tr("Click every number that is not in the bet, once"), this);
    reverseBetButton->setObjectName(QStringLiteral("reverseBetButton"));
    undoButton = actionButton(tr("Undo"), tr("Take back the last button press"), this);
    undoButton->setObjectName(QStringLiteral("undoButton"));
    clearButton = actionButton(tr("Clear"), tr("Empty the bet"), this);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    specialButton = actionButton(tr("Special"), tr("Adds 1, 2 ×3, 13, 24 ×4, 25 and 6"), this);
    specialButton->setObjectName(QStringLiteral("specialButton"));
    for (XButton* b : {betButton, reverseBetButton, undoButton, clearButton, specialButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    auto* switches = new QGridLayout;
    directModeButton = new QCheckBox(tr("Direct mode"), this);
    directModeButton->setObjectName(QStringLiteral("directModeButton"));
    directModeButton->setToolTip(tr("Click each button press on the table at once"));
    needMouseDragButton = new QCheckBox(tr("Drag"), this);
    needMouseDragButton->setObjectName(QStringLiteral("needMouseDragButton"));
    needMouseDragButton->setToolTip(tr("Move the mouse slightly while each click is held"));
    gridLockButton = new QCheckBox(tr("Lock grid"), this);
    gridLockButton->setObjectName(QStringLiteral("gridLockButton"));
    gridLockButton->setToolTip(
        tr("Locked: clicks pass through the grid to the table. Unlocked: fit the grid with the mouse"));
    gridLockButton->setChecked(true);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(new QLabel(tr("Pause"), this));
    delayClickTextField = new QLineEdit(QStringLiteral("100"), this);
    delayClickTextField->setObjectName(QStringLiteral("delayClickTextField"));
    delayClickTextField->setToolTip(tr("Pause after each click, in milliseconds: 1 to 86400000 (a day)"));
    delayClickTextField->setMaximumWidth(70);
    delayRow->addWidget(delayClickTextField);
    delayRow->addWidget(new QLabel(tr("ms"), this));
    delayRow->addStretch(1);
    for (QCheckBox* box : {directModeButton, needMouseDragButton, gridLockButton})
        box->setFocusPolicy(Qt::TabFocus);
    switches->addWidget(directModeButton, 0, 0);
    switches->addWidget(needMouseDragButton, 0, 1);
    switches->addWidget(gridLockButton, 0, 2);
    switches->addLayout(delayRow, 0, 3);
    layout->addLayout(switches);

    auto* status = new QHBoxLayout;
    totalCountLabel = new QLabel(this);
    totalCountLabel->setObjectName(QStringLiteral("totalCountLabel"));
    QFont big = totalCountLabel->font();
    big.setBold(true);
    big.setPixelSize(16);
    totalCountLabel->setFont(big);
    totalCountLabel->setMinimumWidth(120);
    displayTextField = new QLineEdit(this);
    displayTextField->setObjectName(QStringLiteral("displayTextField"));
    displayTextField->setReadOnly(true);
    displayTextField->setFocusPolicy(Qt::NoFocus);
    status->addWidget(totalCountLabel);
    status->addWidget(displayTextField, 1);
    layout->addLayout(status);
    runStatusArea = new QVBoxLayout;
    layout->addLayout(runStatusArea);
    layout->addStretch(1);

    auto* betsPane = new QWidget(splitter);
    auto* bets = new QVBoxLayout(betsPane);
    bets->setContentsMargins(6, 10, 12, 10);
    bets->addWidget(XCaption(tr("Bets"), this));
    betButtonsView = new XBetButtonsView(this);
    bets->addWidget(betButtonsView, 3);
    auto* savedHeader = new QHBoxLayout;
    savedHeader->addWidget(XCaption(tr("Saved bets"), this));
    savedHeader->addStretch(1);
    addToTableViewButton =
        actionButton(tr("Save bet"), tr("Keep the current bet in the table below, with a note"), this);
    addToTableViewButton->setObjectName(QStringLiteral("addToTableViewButton"));
    addToTableViewButton->setMinimumSize(90, 26);
    savedHeader->addWidget(addToTableViewButton);
    bets->addLayout(savedHeader);
    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("savedBetsTable"));
    tableView->horizontalHeader()->setStretchLastSection(true);
    // Name and note share the width, however narrow: the table never scrolls sideways.
    tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableView->verticalHeader()->hide();
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    tableView->setToolTip(tr("Right-click a saved bet to add it to the bet or delete it; double-click its "
                             "name or its note to edit it"));
    tableView->setMinimumHeight(4 * tableView->verticalHeader()->defaultSectionSize());
    bets->addWidget(tableView, 1);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    setTabOrder(betButton, reverseBetButton);
    setTabOrder(reverseBetButton, undoButton);
    setTabOrder(undoButton, clearButton);
    setTabOrder(directModeButton, needMouseDragButton);
    setTabOrder(clearButton, specialButton);
    setTabOrder(specialButton, directModeButton);
    setTabOrder(needMouseDragButton, gridLockButton);
    setTabOrder(gridLockButton, delayClickTextField);
    setTabOrder(delayClickTextField, betButtonsView);
    setTabOrder(betButtonsView, addToTableViewButton);
    setTabOrder(addToTableViewButton, tableView);
}
