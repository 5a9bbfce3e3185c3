// Plays a bet through Tableclick's own playback into whatever lies under a click-through
// grid window, the way the application does, for the benchmark.
//   tableclick-playback-driver --table X,Y,W,H [--group CELLS]… --play all|actions
//                              [--delay TEXT] [--actions LIST]
// The table area is in device pixels; CELLS are comma-separated, each "n" or "n*count".
// With --play actions, LIST is played as the mouse-action panel plays its list (a drag in
// every click, 1 ms after each): ";"-separated "x:y:count:type" in logical coordinates,
// type 1 left, 3 right.
// Prints "played <µs>" (from the first start to the last run's end) when done.
#include "AreaText.h"

#include "overlay/XGridWindowMainView.h"
#include "panel/XGridManagerViewController.h"
#include "platform/XQtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {
XClickGroup parseGroup(const QString& text)
{
    XClickGroup group;
    for (const QString& cell : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = cell.split(QLatin1Char('*'));
        group.push_back(XMouseData::mouseDataWithIndex(parts[0].toULongLong(),
                                                       parts.size() > 1 ? parts[1].toULongLong() : 1));
    }
    return group;
}

std::vector<XMouseData> parseActions(const QString& text)
{
    std::vector<XMouseData> list;
    for (const QString& action : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = action.split(QLatin1Char(':'));
        if (f.size() != 4)
            continue;
        XMouseData record;
        record.setMousePoint({f[0].toDouble(), f[1].toDouble()});
        record.setClickCount(f[2].toULongLong());
        record.setEventType(f[3].toUInt());
        list.push_back(record);
    }
    return list;
}
} // namespace

int main(int argc, char** argv)
{
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("table"), QStringLiteral("Table area X,Y,W,H in device pixels."),
          QStringLiteral("rect")},
         {QStringLiteral("group"), QStringLiteral("One button press."), QStringLiteral("cells")},
         {QStringLiteral("play"), QStringLiteral("all or actions."), QStringLiteral("how"),
          QStringLiteral("all")},
         {QStringLiteral("delay"), QStringLiteral("The delay field's text."), QStringLiteral("ms"),
          QStringLiteral("0")},
         {QStringLiteral("actions"), QStringLiteral("Mouse actions x:y:count:type;…"),
          QStringLiteral("list")}});
    parser.process(app);
    const std::optional<QRectF> table = XParseAreaText(parser.value(QStringLiteral("table")));
    if (!table) {
        std::fprintf(stderr, "--table takes X,Y,W,H\n");
        return 2;
    }

    XQtPlatform platform;
    // Qt's logical coordinates: the device ones divided by the scale, about the screen's origin.
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QRect area(qRound(table->x() / ratio), qRound(table->y() / ratio), qRound(table->width() / ratio),
                     qRound(table->height() / ratio));
    XGridWindowMainView overlay(platform, area);
    overlay.setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                           Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput);
    overlay.setGeometry(area);
    overlay.graphic().setGraphicRect(XMakeGraphicRect(QRectF(0, 0, area.width(), area.height())));
    overlay.setShapedToPaint(true);
    overlay.show();

    XGridManagerViewController controller(platform);
    controller.setCellLocator(XCellLocatorFor(overlay.screenMappingChannel()));
    controller.playbackControls().setDelayText(parser.value(QStringLiteral("delay")));
    const QString play = parser.value(QStringLiteral("play"));
    const QStringList groups = parser.values(QStringLiteral("group"));

    // Once the window is on the screen and the mapping published.
    QTimer::singleShot(500, &app, [&] {
        overlay.refreshScreenMapping();
        const auto started = std::chrono::steady_clock::now();
        if (play == QLatin1String("actions")) {
            auto controls = std::make_shared<XPlaybackControls>();
            controls->setNeedMouseDrag(true);
            controls->setDelayText(QStringLiteral("1"));
            controller.playbackQueue().enqueue({parseActions(parser.value(QStringLiteral("actions"))),
                                                [screens = platform.screens()](const XMouseData& r) {
                                                    return XLogicalToDevicePoint(r.mousePoint(), screens);
                                                },
                                                controls});
        } else {
            for (const QString& group : groups)
                controller.addMouseDatas(parseGroup(group), true);
            controller.clickApplyAllActionButton();
        }
        const bool finished = controller.playbackQueue().waitUntilIdle(60000);
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
                .count();
        std::printf("played %lld\n", static_cast<long long>(micros));
        std::fflush(stdout);
        QApplication::exit(finished ? 0 : 1);
    });
    return QApplication::exec();
}
