#pragma once

#include "bets/XMouseData.h"
#include "hotkeys/HKKeyEvent.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class HKHotKeyCenter;
class QLineEdit;
class XAddMouseActionView;
class XPanelWindowPublisher;
class XPlatform;
class XPlaybackControls;
class XPlaybackQueue;
class XUserDefinedButton;

// The mouse-action panel's controller: a list of clicks at screen points, edited through
// the editor row and the table, played on the shared queue of runs, kept on six list
// buttons, and a global hot key that copies the pointer's position into the editor.
// Everything is loaded when the view is built and saved when the controller goes.
class XAddMouseActionViewController : public QObject
{
    Q_OBJECT
public:
    // Runs go to `queue`, shared with other panels; without one the panel makes its own.
    // The hot-key center must outlive the controller.
    XAddMouseActionViewController(XPlatform& platform, HKHotKeyCenter& hotKeyCenter,
                                  std::shared_ptr<XPlaybackQueue> queue = {}, QObject* parent = nullptr);
    // Saves, unregisters the hot key, then drops the list.
    ~XAddMouseActionViewController() override;

    // The panel, built (and loaded from the store) on first request.
    XAddMouseActionView* view();
    bool isViewLoaded() const { return m_view != nullptr; }

    const std::vector<XMouseData>& dataSource() const { return m_dataSource; }
    void setDataSource(std::vector<XMouseData> list);
    // Appends one action and selects it alone.
    void addMouseDataSource(const XMouseData& record);

    // The table's contents.
    int numberOfRowsInTableView() const { return static_cast<int>(m_dataSource.size()); }
    QString tableViewObjectValue(int column, int row) const;

    void loadFileData();
    void saveFileData();

    XPlaybackQueue& playbackQueue() { return *m_playbackQueue; }
    const XPlaybackControls& playbackControls() const { return *m_playbackControls; }
    // How long each second of the pointer countdown lasts (tests shorten it).
    void setCaptureTickInterval(int milliseconds) { m_captureTimer.setInterval(milliseconds); }
    static constexpr int kCaptureSeconds = 3;

public Q_SLOTS:
    void clikcAddActionButton();
    void clikcMoveUpButton();
    void clikcMoveDownButton();
    void clikcDeleteButton();
    void clikcDeleteAllButton();
    void clickExecuteListButton();
    void clickUserDefinedButton(XUserDefinedButton* sender);
    // Counts down, then adds a click where the pointer is.
    void clickAddClickPositionButton();
    // Shows what the list buttons hold.
    void clickUserDefinedClickButton();
    // The position hot key's action.
    void mouseCursorPositionHotKeyWithEvent(const HKKeyEvent& event);

private:
    void loadView();
    void styleView();
    void reloadTable();
    void selectRowAlone(int row);
    std::vector<int> selectedRows() const;
    XMouseData editorRecord() const;
    // Whether X and Y are numbers of a point on a monitor; marks the fields when not.
    bool editorPointIsClickable();
    // Frames the field in red with the reason as its tooltip; no reason clears the mark.
    void markRefusedField(QLineEdit* field, const QString& why);
    void captureTick();
    void showCaptureTitle();
    void refreshUserDefinedButton(XUserDefinedButton* button);

    XPlatform& m_platform;
    HKHotKeyCenter& m_hotKeyCenter;
    std::vector<XMouseData> m_dataSource;
    std::unique_ptr<XAddMouseActionView> m_view;
    std::shared_ptr<XPlaybackControls> m_playbackControls;
    XPanelWindowPublisher* m_windowPublisher = nullptr;
    QTimer m_captureTimer;
    int m_captureCountdown = 0;
    // Last: an own queue stops and joins its worker before anything else goes away.
    std::shared_ptr<XPlaybackQueue> m_playbackQueue;
};

extern const QString kXAddMouseActionViewControllerTableArrayKey;
extern const QString kXAddMouseActionViewControllerMouseDataKey;
extern const QString kXAddMouseActionViewControllerShortcutKey;
// "kXAddMouseActionViewControllerUserDefinedButton1Key" … "6Key", for button 1 … 6.
QString XAddMouseActionViewControllerUserDefinedButtonKey(int number);
