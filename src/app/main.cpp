#include "XAppDelegate.h"
#include "XCommandLine.h"
#include "XControlMap.h"
#include "XMainWindowViewController.h"
#include "bets/panel/XGridManagerViewController.h"
#include "overlay/XGridWindowController.h"
#include "platform/XQtPlatform.h"
#include "platform/XTerminationWatcher.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = XRunCommandLine(argc, argv))
        return *status;
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tableclick"));
    QApplication::setOrganizationName(QStringLiteral("Tableclick"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    XQtPlatform platform;
    XAppDelegate delegate(platform);
    // Sign-in comes with the account service; until then the main view opens at launch.
    delegate.goToMainView();
    delegate.window()->show();

    XTerminationWatcher termination;
    QObject::connect(&termination, &XTerminationWatcher::terminationRequested, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    // Logging out: write everything now, the session may end the program without a close.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate, [&delegate] {
        if (XMainWindowViewController* main = delegate.mainViewController())
            main->saveState();
    });

    std::unique_ptr<XControlMap> controlMap;
    if (const QString path = qEnvironmentVariable("TABLECLICK_CONTROL_MAP"); !path.isEmpty()) {
        controlMap = std::make_unique<XControlMap>(path);
        controlMap->watch(delegate.window());
        if (XMainWindowViewController* main = delegate.mainViewController())
            controlMap->watch(main->gridWindowController()->window());
    }
    return QApplication::exec();
}
