#pragma once

#include <QList>
#include <QObject>

#include <memory>

class HKHotKeyCenter;
class QPushButton;
class QToolButton;
class QScrollArea;
class QWidget;
class XAddMouseActionViewController;
class XGridManagerViewController;
class XGridWindowController;
class XPlatform;
class XPlaybackQueue;

// The main view: the mouse-action panel on the left with the Tutorial button under it, the
// bet panel beside it, a movable line between them. Both panels click through one queue
// of runs.
class XMainWindowViewController : public QObject
{
    Q_OBJECT
public:
    // The hot-key center must outlive the controller.
    XMainWindowViewController(XPlatform& platform, HKHotKeyCenter& hotKeyCenter, QObject* parent = nullptr);
    // Releases the mouse-action panel (which saves), then the bet panel (which saves, then
    // releases the overlay, which saves its layouts), then stops the runs.
    ~XMainWindowViewController() override;

    QWidget* view();
    QWidget* addActionView() const;
    XAddMouseActionViewController* addActionViewController() const { return m_addActionViewController.get(); }
    XGridManagerViewController* gridManagerViewController() const
    {
        return m_gridManagerViewController.get();
    }
    XGridWindowController* gridWindowController();
    void findTable();
    QToolButton* buildGridMenu(QWidget& parent);
    XPlaybackQueue& playbackQueue() const { return *m_playbackQueue; }
    QPushButton* tutorialButton() const { return m_tutorialButton; }
    // Shares a width out: the bets get what they need first, then the bet panel's controls,
    // then the mouse-action panel, each down to its smallest.
    void fitPanels(int width);
    // Where the lines between the panels are: the two panels, then the bet panel's two sides.
    QList<int> panelSizes() const;
    QList<int> betPanelSizes() const;
    // Puts the lines back where they were, once the view shows at its size; false, leaving
    // them, unless both are two sizes.
    bool restorePanelSizes(const QList<int>& panels, const QList<int>& betPanel);
    // Writes what the panels keep, in the order of a close, without closing.
    void saveState();

    static constexpr int kAddActionViewWidth = 380;

public Q_SLOTS:
    void tutorialClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadView();
    void setupView();

    XPlatform& m_platform;
    HKHotKeyCenter& m_hotKeyCenter;
    // First: it outlives both panels, whose runs it plays.
    std::shared_ptr<XPlaybackQueue> m_playbackQueue;
    std::unique_ptr<QWidget> m_view;
    QPushButton* m_tutorialButton = nullptr;
    QScrollArea* m_actionScroller = nullptr;
    // Restored lines waiting for the view to show: a splitter not laid out yet shares
    // its width out anew when it is.
    QList<int> m_pendingPanelSizes;
    QList<int> m_pendingBetPanelSizes;
    std::unique_ptr<XAddMouseActionViewController> m_addActionViewController;
    std::unique_ptr<XGridManagerViewController> m_gridManagerViewController;
};
