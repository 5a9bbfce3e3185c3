#pragma once

#include <QWidget>

#include <array>

class HKHotKeyCenter;
class QComboBox;
class QLineEdit;
class QTableWidget;
class XButton;
class XHotKeyField;
class XPlatform;
class XPlaybackQueue;
class XRunStatusView;
class XUserDefinedButton;

// The mouse-action panel's layout: the editor row, the position hot key, the action table
// with its buttons, the run's status and the six list buttons. The controller styles and
// wires them.
class XAddMouseActionView : public QWidget
{
    Q_OBJECT
public:
    XAddMouseActionView(XPlatform& platform, HKHotKeyCenter& hotKeyCenter, XPlaybackQueue& queue,
                        QWidget* parent = nullptr);

    static constexpr int kWidth = 380;
    static constexpr int kHeight = 520;
    // Kept free at the bottom for the main view's Tutorial button.
    static constexpr int kBottomMargin = 46;

    QLineEdit* xPosTextField = nullptr;
    QLineEdit* yPosTextField = nullptr;
    QComboBox* actionPopupButton = nullptr;
    QLineEdit* clickCountTextField = nullptr;
    XButton* addActionButton = nullptr;
    XButton* addClickPositionButton = nullptr;
    XHotKeyField* mouseCursorField = nullptr;
    QTableWidget* tableView = nullptr;
    XButton* moveUpButton = nullptr;
    XButton* moveDownButton = nullptr;
    XButton* deleteButton = nullptr;
    XButton* deleteAllButton = nullptr;
    XButton* executeListButton = nullptr;
    XRunStatusView* runStatusView = nullptr;
    XButton* userDefinedClickButton = nullptr;
    std::array<XUserDefinedButton*, 6> userDefinedButtons{};
};
