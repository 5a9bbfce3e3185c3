#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class HKHotKeyCenter;
class QScreen;
class XGridWindowController;
class XMainWindowViewController;
class XPlatform;

// The main window: closing it asks the delegate first.
class XMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    std::function<bool()> shouldClose;

Q_SIGNALS:
    // Moved or resized, by the user, the window manager or the program.
    void frameChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// Starts the application, switches the main window between the account screens and the
// main view, and ends it when the window closes.
class XAppDelegate : public QObject
{
    Q_OBJECT
public:
    enum class AccountScreen
    {
        Signin,
        Signup,
        ConfirmEmail,
        ResetPassword
    };
    using AccountScreenFactory = std::function<std::unique_ptr<QWidget>(AccountScreen)>;

    explicit XAppDelegate(XPlatform& platform, QObject* parent = nullptr);
    ~XAppDelegate() override;

    XMainWindow* window() const { return m_window.get(); }
    // The application's one registry of global hot keys.
    HKHotKeyCenter& hotKeyCenter() const { return *m_hotKeyCenter; }
    XMainWindowViewController* mainViewController() const { return m_mainViewController.get(); }
    // Where account screens come from; each is made once and kept.
    void setAccountScreenFactory(AccountScreenFactory factory)
    {
        m_accountScreenFactory = std::move(factory);
    }
    QWidget* accountScreen(AccountScreen screen) const;

    void goToSigninView() { goToAccountView(AccountScreen::Signin); }
    void goToSignupView() { goToAccountView(AccountScreen::Signup); }
    void goToConfirmEmailView() { goToAccountView(AccountScreen::ConfirmEmail); }
    void goToResetPasswordView() { goToAccountView(AccountScreen::ResetPassword); }
    void goToMainView();

Q_SIGNALS:
    // The main view is up, its overlay with it.
    void mainViewShown();

public:
    // Drops the main view (its panels save) and lets the window close.
    bool windowShouldClose();
    // Puts what the user set up into the store in the order of a close, without closing:
    // where the main window is, its size and its panels' shares, then the panels.
    void saveState();
    // The end of the session or a termination signal: save, then quit.
    void applicationWillTerminate();

private:
    void goToAccountView(AccountScreen screen);
    // Sizes the main window to the main view within the pointer's screen and centres it
    // there, or below or beside the grid when centred it would cover the grid. On first
    // launch the grid, only just made, comes to that screen too and gives up height if both
    // do not fit otherwise.
    void placeMainWindow(XGridWindowController& overlay, bool firstLaunch);
    // Where the user left it, on a monitor there is now; false when nothing is stored.
    bool restoreMainWindow();
    void saveWindowState();
    static QScreen* pointerScreen();

    XPlatform& m_platform;
    // Outlives the main view, whose panel registers a hot key with it.
    std::unique_ptr<HKHotKeyCenter> m_hotKeyCenter;
    std::unique_ptr<XMainWindow> m_window;
    AccountScreenFactory m_accountScreenFactory;
    std::map<AccountScreen, QPointer<QWidget>> m_accountScreens;
    bool m_accountWindowSized = false;
    std::unique_ptr<XMainWindowViewController> m_mainViewController;
};
