// Shows the grid's window on its own, the way the application does, and switches it between
// its two states on command, for the end-to-end tests of the overlay.
//   tableclick-grid-driver --area X,Y,W,H
// The area is the grid's window in logical coordinates. Once the window shows it prints
// "ready <window id>"; then, one command a line on standard input:
//   unlock | lock   switches state; answers "unlocked" or "locked" once Qt has sent it all
//   corners         answers "corners <top x> <top y> <bottom x> <bottom y>" (view coordinates)
//   presses         answers "presses <n>": how many presses the grid's view has had
//   grip            answers "grip <x> <y>": the middle of the resize grip (global)
//   frame           answers "frame <x> <y> <w> <h>": where Qt has the window (logical)
#include "AreaText.h"

#include "overlay/XGridWindowController.h"
#include "platform/XQtPlatform.h"
#include "platform/XX11Display.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

#include <xcb/xcb.h>

namespace {
void answer(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Everything Qt asked of the X server so far has been done when the reply comes.
void roundTrip()
{
    QCoreApplication::processEvents();
    auto* x11 = XQtX11Application();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Counts the presses that reach the grid's view.
class PressCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++count;
        return false;
    }
};
} // namespace

int main(int argc, char** argv)
{
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("area"), QStringLiteral("The window's area X,Y,W,H."), QStringLiteral("rect")});
    parser.process(app);

    XQtPlatform platform;
    XGridWindowController controller(platform);
    QWidget* window = controller.window();
    if (const auto area = XParseAreaText(parser.value(QStringLiteral("area"))))
        window->setGeometry(area->toRect());
    PressCounter presses;
    window->installEventFilter(&presses);
    window->show();
    window->raise();

    // Ready once the window is on the screen and painted.
    QTimer ready;
    ready.setInterval(10);
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (!window->windowHandle() || !window->windowHandle()->isExposed())
            return;
        ready.stop();
        roundTrip();
        answer(QStringLiteral("ready %1").arg(window->winId()));
    });
    ready.start();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[256];
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            QCoreApplication::quit();
            return;
        }
        line[n] = 0;
        for (const QString& command :
             QString::fromLatin1(line).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (command == QLatin1String("unlock") || command == QLatin1String("lock")) {
                const bool unlock = command == QLatin1String("unlock");
                controller.setEnableWindow(unlock);
                roundTrip();
                answer(unlock ? QStringLiteral("unlocked") : QStringLiteral("locked"));
            } else if (command == QLatin1String("corners")) {
                roundTrip();
                const XGraphicRectStruct r = controller.mainView()->graphic().graphicRect();
                answer(QStringLiteral("corners %1 %2 %3 %4")
                           .arg(r.topPoint.x())
                           .arg(r.topPoint.y())
                           .arg(r.bottomPoint.x())
                           .arg(r.bottomPoint.y()));
            } else if (command == QLatin1String("presses")) {
                roundTrip();
                QCoreApplication::processEvents();
                answer(QStringLiteral("presses %1").arg(presses.count));
            } else if (command == QLatin1String("grip")) {
                const auto* grip = window->findChild<QWidget*>(QStringLiteral("gridWindowGrip"));
                const QPoint at = grip ? grip->mapToGlobal(grip->rect().center()) : QPoint();
                answer(QStringLiteral("grip %1 %2").arg(at.x()).arg(at.y()));
            } else if (command == QLatin1String("frame")) {
                roundTrip();
                const QRect g = window->geometry();
                answer(
                    QStringLiteral("frame %1 %2 %3 %4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
            }
        }
    });
    return QApplication::exec();
}
