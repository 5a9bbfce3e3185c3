#include "DesktopSession.h"

#include <csignal>
#include <sys/prctl.h>

#include <QElapsedTimer>
#include <QThread>

DesktopSession::DesktopSession() = default;

DesktopSession::~DesktopSession()
{
    for (auto& process : m_processes) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
}

bool DesktopSession::hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

QProcess& DesktopSession::start(const QString& program, const QStringList& arguments,
                                const QStringList& environment)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test that dies (a failed check under a sanitizer aborts) takes its programs with
    // it: left on the screen, they would spoil every test after it.
    process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process->start(program, arguments);
    process->waitForStarted(5000);
    m_processes.push_back(std::move(process));
    return *m_processes.back();
}

QString DesktopSession::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(15000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void DesktopSession::xdotool(const QStringList& arguments)
{
    run(QStringLiteral("xdotool"), arguments);
}

QStringList DesktopSession::clickArguments(QPoint at)
{
    return {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
            QStringLiteral("click"), QStringLiteral("1")};
}

void DesktopSession::click(QPoint at)
{
    xdotool(clickArguments(at));
}

std::optional<QRect> DesktopSession::windowArea(const QString& titlePattern, int timeoutMs)
{
    std::optional<QRect> area;
    waitFor(
        [&] {
            const QString ids =
                run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--name"), titlePattern});
            const QString id = ids.section(QLatin1Char('\n'), 0, 0).trimmed();
            if (id.isEmpty())
                return false;
            // xwininfo, not xdotool: xdotool misplaces windows that a manager has framed.
            const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
            const auto field = [&info](const QString& name) {
                const int at = info.indexOf(name);
                return at < 0 ? 0
                              : info.mid(at + name.size()).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
            };
            area = QRect(field(QStringLiteral("Absolute upper-left X:")),
                         field(QStringLiteral("Absolute upper-left Y:")), field(QStringLiteral("Width:")),
                         field(QStringLiteral("Height:")));
            return area->width() > 0;
        },
        timeoutMs);
    return area;
}

QImage DesktopSession::screenshot()
{
    QProcess process;
    process.start(QStringLiteral("import"),
                  {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    process.waitForFinished(15000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

void DesktopSession::drag(QPoint from, QPoint to)
{
    const auto move = [](QPoint p) {
        xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    };
    move(from);
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 5; ++step)
        move(from + (to - from) * step / 5);
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

bool DesktopSession::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}
