// A stand-in for the betting application: paints a roulette table (the zero column and
// twelve columns of three numbers) over its whole window and logs every mouse press and
// release it receives.
//   tableclick-target --area X,Y,W,H --log FILE [--rotate DEG] [--perspective F] [--fullscreen]
// --fullscreen covers the monitor instead, and paints the table only in the area: on
// Wayland a client cannot place its window, and only a window at the monitor's origin
// logs global positions that are the screen's.
// --rotate turns the table about its centre and --perspective makes its top edge F (a
// fraction) shorter than its bottom; either shrinks the table to fit the window.
// Log lines: "ready X Y W H" once the window is on the screen (its area in global
// coordinates), then "<µs> press|drag|release <global x> <global y> <button> <cell>",
// the time from a monotonic clock, "drag" a move with the left button held, cell -1 off
// the table.
#include "AreaText.h"
#include "RouletteTable.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {
class Table : public QWidget
{
public:
    // On a full-screen window, the given area of it; else all of it.
    std::optional<QRect> inset;

    Table(FILE* log, double degrees, double narrowing)
        : m_log(log), m_degrees(degrees), m_narrowing(narrowing)
    {
        setWindowTitle(QStringLiteral("Roulette table"));
    }

    void logReady()
    {
        const QRect area = tableArea();
        const QPoint origin = mapToGlobal(area.topLeft());
        std::fprintf(m_log, "ready %d %d %d %d\n", origin.x(), origin.y(), area.width(), area.height());
        std::fflush(m_log);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 110, 50));
        table().paint(painter);
    }
    void mousePressEvent(QMouseEvent* e) override { log("press", e); }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (e->buttons() & Qt::LeftButton)
            log("drag", e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override { log("release", e); }
    // Keys too, so a test can tell that a key reached this program and not another.
    void keyPressEvent(QKeyEvent* e) override
    {
        std::fprintf(m_log, "%lld key 0 0 %d -1 %llu\n", static_cast<long long>(nowMicros()), e->key(),
                     static_cast<unsigned long long>(e->timestamp()));
        std::fflush(m_log);
    }

private:
    static long long nowMicros()
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void log(const char* what, QMouseEvent* e)
    {
        const long long micros = nowMicros();
        const Qt::MouseButton which = e->button() == Qt::NoButton ? Qt::LeftButton : e->button();
        const int button = which == Qt::LeftButton ? 1 : which == Qt::MiddleButton ? 2 : 3;
        // The X server's time too: when the event was made, whenever this busy program gets it.
        std::fprintf(m_log, "%lld %s %.1f %.1f %d %d %llu\n", micros, what, e->globalPosition().x(),
                     e->globalPosition().y(), button, table().cellAt(e->position()),
                     static_cast<unsigned long long>(e->timestamp()));
        std::fflush(m_log);
    }

    QRect tableArea() const { return inset.value_or(rect()); }
    RouletteTable table() const { return RouletteTable::fitted(tableArea(), m_degrees, m_narrowing); }

    FILE* m_log;
    double m_degrees;
    double m_narrowing;
};
} // namespace

int main(int argc, char** argv)
{
    // Every motion is logged, even two that come faster than the target reads them.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("area"), QStringLiteral("Window area X,Y,W,H."), QStringLiteral("rect"),
                      QStringLiteral("100,100,1040,300")});
    parser.addOption(
        {QStringLiteral("log"), QStringLiteral("Where to log the clicks."), QStringLiteral("file")});
    parser.addOption({QStringLiteral("rotate"), QStringLiteral("Turn the table by this many degrees."),
                      QStringLiteral("degrees"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("perspective"),
                      QStringLiteral("Make the table's top edge this fraction shorter than its bottom."),
                      QStringLiteral("fraction"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("fullscreen"), QStringLiteral("Cover the whole monitor.")});
    parser.process(app);

    const std::optional<QRectF> area = XParseAreaText(parser.value(QStringLiteral("area")));
    if (!area) {
        std::fprintf(stderr, "--area takes X,Y,W,H\n");
        return 2;
    }
    FILE* log = std::fopen(parser.value(QStringLiteral("log")).toLocal8Bit().constData(), "w");
    if (!log) {
        std::perror("--log");
        return 2;
    }
    Table table(log, parser.value(QStringLiteral("rotate")).toDouble(),
                parser.value(QStringLiteral("perspective")).toDouble());
    table.setGeometry(area->toRect());
    if (parser.isSet(QStringLiteral("fullscreen"))) {
        if (parser.isSet(QStringLiteral("area")))
            table.inset = area->toRect();
        table.showFullScreen();
    } else
        table.show();
    // Placed by the window manager only after it is mapped: report once that settled.
    QTimer::singleShot(500, &table, [&table] { table.logReady(); });
    return QApplication::exec();
}
