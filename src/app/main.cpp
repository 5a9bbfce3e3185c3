#include "XAccountScreens.h"
#include "XAppDelegate.h"
#include "XAutoSaver.h"
#include "XCommandLine.h"
#include "XControlMap.h"
#include "XFindTableCommand.h"
#include "XInstanceLock.h"
#include "XLocalAccountService.h"
#include "XMainWindowViewController.h"
#include "XSessionPlatform.h"
#include "XTranslation.h"
#include "accounts/XAccountService.h"
#include "panel/XGridManagerViewController.h"
#include "overlay/XGridWindowController.h"
#include "platform/XEmergencySave.h"
#include "platform/XPreferenceStore.h"
#include "platform/XQtPlatform.h"
#include "platform/XTerminationWatcher.h"
#include "platform/XX11Display.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const XCommandLineRequest request = XParseCommandLine(arguments);
    if (request.kind != XCommandLineRequest::Kind::Start && request.kind != XCommandLineRequest::Kind::FindTable) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return XAnswerCommandLine(request, out, err);
    }
    const XSessionPlatform session = XChooseSessionPlatform(request, XSessionEnvironment::current());
    if (!session.platformToSet.isEmpty())
        qputenv("QT_QPA_PLATFORM", session.platformToSet.toLocal8Bit());
    if (session.needsX11Display) {
        if (const QString problem = XX11DisplayProblem(request.display.value_or(QString()).toLocal8Bit());
            !problem.isEmpty()) {
            std::fprintf(stderr, "tableclick: %s; Tableclick needs an X11 or XWayland session\n", qPrintable(problem));
            return 1;
        }
    }
    if (session.onWayland)
        std::fprintf(stderr, "tableclick: a Wayland session: Tableclick runs on XWayland and clicks through the "
                             "desktop's remote-control portal (the desktop asks once per login); without the "
                             "portal it can click only X11/XWayland windows\n");
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tableclick"));
    QApplication::setOrganizationName(QStringLiteral("Tableclick"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tableclick.ico")));
    const QString language = XChooseLanguage(request.language, QLocale::system().uiLanguages());
    if (!XInstallTranslation(language))
        std::fprintf(stderr, "tableclick: the %s translation is not installed; texts show untranslated\n",
                     qPrintable(language));

    XQtPlatform platform(session.onWayland);
    if (request.kind == XCommandLineRequest::Kind::FindTable) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return XPrintFoundTables(platform, out, err);
    }
    XInstanceLock instance(platform.preferences().fileName());
    switch (instance.tryLock()) {
    case XInstanceLock::Outcome::Held:
        break;
    case XInstanceLock::Outcome::HeldElsewhere:
        std::fprintf(stderr, "tableclick: Tableclick is already running with the settings in %s\n",
                     qPrintable(platform.preferences().fileName()));
        instance.askHolderToRaise();
        return 3;
    case XInstanceLock::Outcome::Unavailable:
        std::fprintf(stderr,
                     "tableclick: Tableclick cannot make sure it runs only once with the settings in %s, "
                     "so it does not start\n",
                     qPrintable(platform.preferences().fileName()));
        return 3;
    }
    if (const std::optional<QString>& url = request.accountService) {
        if (!XSetAccountServiceUrl(platform.preferences(), *url)) {
            std::fprintf(stderr, "tableclick: --account-service takes an https URL, such as https://accounts.example.org:5000\n");
            return 2;
        }
    }
    XAccountService accountService(XAccountServiceUrl(platform.preferences()));
    // Signing in to the local service needs it running, as after a start from the menu.
    std::unique_ptr<XLocalAccountService> localService;
    bool signsIn = true;
#ifdef TABLECLICK_TEST_HOOKS
    signsIn = !qEnvironmentVariableIsSet("TABLECLICK_TEST_SKIP_SIGNIN");
#endif
    if (signsIn && XIsLocalDefaultService(accountService.baseUrl())) {
        localService = std::make_unique<XLocalAccountService>(static_cast<quint16>(accountService.baseUrl().port()));
        switch (localService->ensureRunning()) {
        case XLocalAccountService::Outcome::Started:
            std::fprintf(stderr, "tableclick: started the local account service on port %d; it stops with Tableclick\n",
                         accountService.baseUrl().port());
            break;
        case XLocalAccountService::Outcome::NotFound:
        case XLocalAccountService::Outcome::Failed:
            std::fprintf(stderr, "tableclick: the local account service is not running: %s\n",
                         qPrintable(localService->problem()));
            break;
        case XLocalAccountService::Outcome::AlreadyRunning:
        case XLocalAccountService::Outcome::StartedByUnit:
            break;
        }
    }
    XAppDelegate delegate(platform);
    XInstallAccountScreens(delegate, platform, accountService);
#ifdef TABLECLICK_TEST_HOOKS
    // End-to-end tests of the panels start signed in.
    if (qEnvironmentVariableIsSet("TABLECLICK_TEST_SKIP_SIGNIN"))
        delegate.goToMainView();
    else
#endif
        delegate.goToSigninView();
    delegate.window()->show();

    QObject::connect(&instance, &XInstanceLock::raiseRequested, &delegate, [&delegate] {
        XMainWindow* window = delegate.window();
        window->showNormal();
        window->raise();
        window->activateWindow();
    });
    const auto saveMainView = [&delegate] { delegate.saveState(); };
    XAutoSaver saver(platform, saveMainView, delegate.window());
    saver.watchApplicationInput();
    // A window moved by its title bar brings the program no input of its own.
    QObject::connect(delegate.window(), &XMainWindow::frameChanged, &saver, &XAutoSaver::noteChange);
    // Qt exits at once when the X server goes away: what the user did is written first, the
    // widgets read on the main thread even if another thread's message saved the store already.
    const XEmergencySave emergency([&saver](XEmergency, bool readState) { saver.saveBeforeExit(readState); });

    XTerminationWatcher termination;
    QObject::connect(&termination, &XTerminationWatcher::terminationRequested, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    // Logging out: write everything now, the session may end the program without a close.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate, saveMainView);

#ifdef TABLECLICK_TEST_HOOKS
    std::unique_ptr<XControlMap> controlMap;
    if (const QString path = qEnvironmentVariable("TABLECLICK_CONTROL_MAP"); !path.isEmpty()) {
        controlMap = std::make_unique<XControlMap>(path);
        controlMap->watch(delegate.window());
        const auto watchOverlay = [&delegate, map = controlMap.get()] {
            if (XMainWindowViewController* main = delegate.mainViewController())
                map->watch(main->gridWindowController()->window());
        };
        watchOverlay();
        QObject::connect(&delegate, &XAppDelegate::mainViewShown, controlMap.get(), watchOverlay);
    }
#endif
    return QApplication::exec();
}
