#include "overlay/XGridWindowMainView.h"
#include "platform/XQtPlatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tableclick"));
    QApplication::setOrganizationName(QStringLiteral("Tableclick"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    XQtPlatform platform;
    // Until the main window exists, the grid opens in an ordinary window that the user
    // moves over the betting table and fits there.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(std::min(1000, available.width() - 40), std::min(400, available.height() - 80));
    XGridWindowMainView view(platform, QRect(available.topLeft() + QPoint(20, 60), size));
    view.setWindowTitle(QStringLiteral("Tableclick grid"));
    view.setWindowFlag(Qt::WindowStaysOnTopHint);
    view.setShapedToPaint(true);
    view.show();
    return QApplication::exec();
}
