#include "XAddMouseActionView.h"

#include "XHotKeyField.h"
#include "XUserDefinedButton.h"
#include "panel/XButton.h"
#include "panel/XCaption.h"
#include "panel/XRunStatusView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
XButton* panelButton(const QString& name, const QString& title, const QString& tip, QWidget* parent)
{
    auto* button = new XButton(title, parent);
    button->setObjectName(name);
    button->setMinimumHeight(26);
    button->setToolTip(tip);
    button->setBgColor(Qt::white);
    button->setCornerRadius(4);
    return button;
}

QLineEdit* numberField(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setToolTip(tip);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(60);
    return field;
}
} // namespace

XAddMouseActionView::XAddMouseActionView(XPlatform& platform, HKHotKeyCenter& hotKeyCenter,
                                         XPlaybackQueue& queue, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("addActionView"));
    // Narrower than it would like when the screen is small, down to what its rows need;
    // its table takes the height.
    resize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 6, 6);
    layout->setSpacing(6);

    layout->addWidget(XCaption(tr("Mouse actions"), this));
    auto* editor = new QGridLayout;
    editor->setHorizontalSpacing(6);
    xPosTextField = numberField(QStringLiteral("xPosTextField"), QStringLiteral("0.00"),
                                tr("Where to click: x on the screen, from its left edge"), this);
    yPosTextField = numberField(QStringLiteral("yPosTextField"), QStringLiteral("0.00"),
                                tr("Where to click: y on the screen, from its top edge"), this);
    clickCountTextField =
        numberField(QStringLiteral("clickCountTextField"), QStringLiteral("1"), tr("How many clicks"), this);
    actionPopupButton = new QComboBox(this);
    actionPopupButton->setObjectName(QStringLiteral("actionPopupButton"));
    actionPopupButton->addItem(tr("Left"), 0);
    actionPopupButton->addItem(tr("Right"), 1);
    actionPopupButton->setToolTip(tr("Which mouse button clicks"));
    addActionButton =
        panelButton(QStringLiteral("addActionButton"), tr("Add"), tr("Add this click to the list"), this);
    editor->addWidget(new QLabel(tr("X"), this), 0, 0);
    editor->addWidget(xPosTextField, 0, 1);
    editor->addWidget(new QLabel(tr("Y"), this), 0, 2);
    editor->addWidget(yPosTextField, 0, 3);
    editor->addWidget(actionPopupButton, 1, 0, 1, 2);
    editor->addWidget(new QLabel(tr("Clicks"), this), 1, 2);
    editor->addWidget(clickCountTextField, 1, 3);
    editor->addWidget(addActionButton, 0, 4, 2, 1);
    editor->setColumnStretch(1, 1);
    editor->setColumnStretch(3, 1);
    layout->addLayout(editor);

    addClickPositionButton = new XButton(tr("Add pointer in 3 s"), this);
    addClickPositionButton->setObjectName(QStringLiteral("addClickPositionButton"));
    addClickPositionButton->setMinimumHeight(26);
    addClickPositionButton->setToolTip(
        tr("Counts down 3 seconds for you to point at the place, then adds a click there"));
    layout->addWidget(addClickPositionButton);
    auto* capture = new QHBoxLayout;
    mouseCursorField = new XHotKeyField(platform, hotKeyCenter, this);
    mouseCursorField->setObjectName(QStringLiteral("mouseCursorField"));
    capture->addWidget(new QLabel(tr("Pointer hot key"), this));
    capture->addWidget(mouseCursorField, 1);
    layout->addLayout(capture);

    tableView = new QTableWidget(0, 5, this);
    tableView->setObjectName(QStringLiteral("actionTableView"));
    tableView->setHorizontalHeaderLabels({tr("No."), tr("Button"), tr("X"), tr("Y"), tr("Clicks")});
    tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableView->verticalHeader()->hide();
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView->setToolTip(tr("The clicks Execute makes, top to bottom"));
    layout->addWidget(tableView, 1);

    auto* rows = new QHBoxLayout;
    moveUpButton =
        panelButton(QStringLiteral("moveUpButton"), tr("Up"), tr("Move the selected click up"), this);
    moveDownButton =
        panelButton(QStringLiteral("moveDownButton"), tr("Down"), tr("Move the selected click down"), this);
    deleteButton =
        panelButton(QStringLiteral("deleteButton"), tr("Delete"), tr("Delete the selected clicks"), this);
    deleteAllButton =
        panelButton(QStringLiteral("deleteAllButton"), tr("Delete all"), tr("Empty the list"), this);
    for (XButton* b : {moveUpButton, moveDownButton, deleteButton, deleteAllButton})
        rows->addWidget(b);
    layout->addLayout(rows);

    auto* run = new QHBoxLayout;
    executeListButton = new XButton(tr("Execute"), this);
    executeListButton->setObjectName(QStringLiteral("executeListButton"));
    executeListButton->setMinimumSize(96, 30);
    executeListButton->setToolTip(tr("Click the whole list, in order"));
    executeListButton->setBgColor(QColor::fromRgbF(0.99f, 0.43f, 0.0f));
    executeListButton->setTitleColor(Qt::white);
    executeListButton->setCornerRadius(6);
    runStatusView = new XRunStatusView(queue, QStringLiteral("action"), this);
    run->addWidget(executeListButton);
    run->addWidget(runStatusView, 1);
    layout->addLayout(run);

    auto* lists = new QGridLayout;
    lists->setSpacing(4);
    userDefinedClickButton = new XButton(tr("Lists"), this);
    userDefinedClickButton->setObjectName(QStringLiteral("userDefinedClickButton"));
    userDefinedClickButton->setMinimumHeight(26);
    userDefinedClickButton->setTitleColor(Qt::white);
    userDefinedClickButton->setToolTip(tr("Shows what the six list buttons hold. A list button keeps a copy "
                                          "of the table when empty, and offers to replace or show its list "
                                          "otherwise"));
    lists->addWidget(userDefinedClickButton, 0, 0, 2, 1);
    for (std::size_t i = 0; i < userDefinedButtons.size(); ++i) {
        auto* button = new XUserDefinedButton(QString::number(i + 1), this);
        button->setObjectName(QStringLiteral("userDefinedButton%1").arg(i + 1));
        button->setMinimumHeight(26);
        lists->addWidget(button, static_cast<int>(i / 3), static_cast<int>(1 + i % 3));
        userDefinedButtons[i] = button;
    }
    layout->addLayout(lists);

    setTabOrder(xPosTextField, yPosTextField);
    setTabOrder(yPosTextField, actionPopupButton);
    setTabOrder(actionPopupButton, clickCountTextField);
    setTabOrder(clickCountTextField, addActionButton);
}
