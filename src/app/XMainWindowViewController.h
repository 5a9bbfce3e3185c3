#pragma once

#include <QObject>

#include <memory>

class HKHotKeyCenter;
class QPushButton;
class QWidget;
class XAddMouseActionViewController;
class XGridManagerViewController;
class XGridWindowController;
class XPlatform;
class XPlaybackQueue;

// The main view: the mouse-action panel on the left, the bet panel beside it overlapping
// it by 5 points, and the Tutorial button. Both panels click through one queue of runs.
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
    XPlaybackQueue& playbackQueue() const { return *m_playbackQueue; }
    QPushButton* tutorialButton() const { return m_tutorialButton; }
    // Writes what the panels keep, in the order of a close, without closing.
    void saveState();

    static constexpr int kAddActionViewWidth = 380;

public Q_SLOTS:
    void tutorialClicked();

private:
    void loadView();
    void setupView();

    XPlatform& m_platform;
    HKHotKeyCenter& m_hotKeyCenter;
    // First: it outlives both panels, whose runs it plays.
    std::shared_ptr<XPlaybackQueue> m_playbackQueue;
    std::unique_ptr<QWidget> m_view;
    QPushButton* m_tutorialButton = nullptr;
    std::unique_ptr<XAddMouseActionViewController> m_addActionViewController;
    std::unique_ptr<XGridManagerViewController> m_gridManagerViewController;
};
