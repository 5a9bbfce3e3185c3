#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

#include <csignal>
#include <sys/prctl.h>

// Drives programs on the real X display of an end-to-end test: starts them, finds their
// windows, moves the real pointer with xdotool and takes screenshots.
class DesktopSession
{
public:
    ~DesktopSession()
    {
        for (auto& process : m_processes) {
            process->terminate();
            if (!process->waitForFinished(3000)) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    static bool hasDisplay() { return !qEnvironmentVariableIsEmpty("DISPLAY"); }

    // Starts a program on the display, without the test's own Qt platform settings;
    // `environment` adds NAME=VALUE entries. The session stops it at the end.
    QProcess& start(const QString& program, const QStringList& arguments, const QStringList& environment = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(DesktopSession::environment(environment));
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // A test that dies (a failed check under a sanitizer aborts) takes its programs with
        // it: left on the screen, they would spoil every test after it.
        process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process->start(program, arguments);
        process->waitForStarted(5000);
        m_processes.push_back(std::move(process));
        return *m_processes.back();
    }
    // The test's environment without its Qt platform settings, with NAME=VALUE entries added.
    static QProcessEnvironment environment(const QStringList& entries)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (const QString& entry : entries)
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        return env;
    }
    // Runs a command to its end and returns what it printed.
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(15000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    static void xdotool(const QStringList& arguments) { run(QStringLiteral("xdotool"), arguments); }
    // A left click of the real pointer at `at`.
    static void click(QPoint at)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
    }
    // A left-button drag of the real pointer, in small steps.
    static void drag(QPoint from, QPoint to)
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

    // Whether a visible window whose title matches shows within the time.
    static bool showsWindow(const QString& titlePattern, int timeoutMs = 10000)
    {
        return waitFor(
            [&] {
                return !run(QStringLiteral("xdotool"),
                            {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--name"), titlePattern})
                            .trimmed()
                            .isEmpty();
            },
            timeoutMs);
    }
    static QImage screenshot()
    {
        QProcess process;
        process.start(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
        process.waitForFinished(15000);
        return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    }

    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
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

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
