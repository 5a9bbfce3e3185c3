#pragma once

#include <QObject>

#include <memory>

class QPushButton;
class QWidget;
class XGridManagerViewController;
class XGridWindowController;
class XPlatform;

// The main view: the mouse-action panel on the left, the bet panel beside it overlapping
// it by 5 points, and the Tutorial button.
class XMainWindowViewController : public QObject
{
    Q_OBJECT
public:
    explicit XMainWindowViewController(XPlatform& platform, QObject* parent = nullptr);
    // Releases the mouse-action panel, then the bet panel (which saves, then releases the
    // overlay, which saves its layouts).
    ~XMainWindowViewController() override;

    QWidget* view();
    QWidget* addActionView() const { return m_addActionView.get(); }
    XGridManagerViewController* gridManagerViewController() const
    {
        return m_gridManagerViewController.get();
    }
    XGridWindowController* gridWindowController();
    QPushButton* tutorialButton() const { return m_tutorialButton; }
    // Writes what the panels keep, in the order of a close, without closing.
    void saveState();

    static constexpr int kAddActionViewWidth = 300;

public Q_SLOTS:
    void tutorialClicked();

private:
    void loadView();
    void setupView();

    XPlatform& m_platform;
    std::unique_ptr<QWidget> m_view;
    QPushButton* m_tutorialButton = nullptr;
    std::unique_ptr<QWidget> m_addActionView;
    std::unique_ptr<XGridManagerViewController> m_gridManagerViewController;
};
