// A stand-in for the betting application: paints a roulette table (the zero column and
// twelve columns of three numbers) over its whole window and logs every mouse press and
// release it receives.
//   tableclick-target --area X,Y,W,H --log FILE
// Log lines: "ready X Y W H" once the window is on the screen (its area in global
// coordinates), then "<µs> press|drag|release <global x> <global y> <button> <cell>",
// the time from a monotonic clock, "drag" a move with the left button held, cell -1 off
// the table.
#include "AreaText.h"

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

namespace {
bool isRedNumber(int n)
{
    static const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    return reds.contains(n);
}

class Table : public QWidget
{
public:
    explicit Table(FILE* log) : m_log(log) { setWindowTitle(QStringLiteral("Roulette table")); }

    // The number under a point of the widget, or -1.
    int cellAt(QPointF p) const
    {
        if (p.x() < 0 || p.y() < 0 || p.x() >= width() || p.y() >= height())
            return -1;
        const int column = static_cast<int>(p.x() * 13 / width());
        const int row = static_cast<int>(p.y() * 3 / height());
        return column == 0 ? 0 : 3 * column - row;
    }

    void logReady()
    {
        const QPoint origin = mapToGlobal(QPoint(0, 0));
        std::fprintf(m_log, "ready %d %d %d %d\n", origin.x(), origin.y(), width(), height());
        std::fflush(m_log);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 110, 50));
        QFont font = painter.font();
        font.setPixelSize(std::max(8, height() / 9));
        font.setBold(true);
        painter.setFont(font);
        const double w = width() / 13.0, h = height() / 3.0;
        const auto cell = [&](QRectF r, const QColor& fill, int number) {
            painter.fillRect(r.adjusted(3, 3, -3, -3), fill);
            painter.setPen(Qt::white);
            painter.drawText(r, Qt::AlignCenter, QString::number(number));
        };
        cell(QRectF(0, 0, w, height()), QColor(0, 150, 70), 0);
        for (int column = 1; column <= 12; ++column)
            for (int row = 0; row < 3; ++row) {
                const int n = 3 * column - row;
                cell(QRectF(column * w, row * h, w, h),
                     isRedNumber(n) ? QColor(200, 20, 30) : QColor(25, 25, 25), n);
            }
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
                     e->globalPosition().y(), button, cellAt(e->position()),
                     static_cast<unsigned long long>(e->timestamp()));
        std::fflush(m_log);
    }

    FILE* m_log;
};
} // namespace

int main(int argc, char** argv)
{
    // Every motion is logged, even two that come faster than the target reads them.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("area"), QStringLiteral("Window area X,Y,W,H."), QStringLiteral("rect"),
                      QStringLiteral("100,100,1040,300")});
    parser.addOption(
        {QStringLiteral("log"), QStringLiteral("Where to log the clicks."), QStringLiteral("file")});
    parser.process(app);

    const std::optional<QRectF> area = XParseAreaText(parser.value(QStringLiteral("area")));
    if (!area) {
        std::fprintf(stderr, "--area takes X,Y,W,H\n");
        return 2;
    }
    FILE* log = stdout;
    if (parser.isSet(QStringLiteral("log"))) {
        log = std::fopen(parser.value(QStringLiteral("log")).toLocal8Bit().constData(), "w");
        if (!log) {
            std::perror("log");
            return 2;
        }
    }
    Table table(log);
    table.setGeometry(area->toRect());
    table.show();
    // Placed by the window manager only after it is mapped: report once that settled.
    QTimer::singleShot(500, &table, [&table] { table.logReady(); });
    return QApplication::exec();
}
