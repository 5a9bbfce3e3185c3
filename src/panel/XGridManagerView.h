#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTableView;
class QVBoxLayout;
class XBetButtonsView;
class XButton;
class XVirtualButtonGridView;
class XVirtualGridView;

// The bet panel's layout: the number grid, the preview and the controls around them.
// The controller styles and wires them.
class XGridManagerView : public QWidget
{
    Q_OBJECT
public:
    explicit XGridManagerView(QWidget* parent = nullptr);

    // The controls on the left, the named bets and the saved bets on the right.
    QSplitter* splitter = nullptr;
    XVirtualButtonGridView* virtualButtonGridView = nullptr;
    XVirtualGridView* virtualGridView = nullptr;
    XButton* betButton = nullptr;
    XButton* reverseBetButton = nullptr;
    XButton* undoButton = nullptr;
    XButton* clearButton = nullptr;
    XButton* specialButton = nullptr;
    QCheckBox* directModeButton = nullptr;
    QCheckBox* needMouseDragButton = nullptr;
    QLineEdit* delayClickTextField = nullptr;
    QCheckBox* gridLockButton = nullptr;
    QLabel* totalCountLabel = nullptr;
    QLineEdit* displayTextField = nullptr;
    XBetButtonsView* betButtonsView = nullptr;
    // The saved bets; the controller gives it its model.
    QTableView* tableView = nullptr;
    // Where the controller puts the Stop button and the run's progress.
    QVBoxLayout* runStatusArea = nullptr;
    XButton* addToTableViewButton = nullptr;
};
