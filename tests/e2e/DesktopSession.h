#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Drives programs on the real X display of an end-to-end test: starts them, finds their
// windows, moves the real pointer with xdotool and takes screenshots.
class DesktopSession
{
public:
    DesktopSession();
    ~DesktopSession();

    static bool hasDisplay();

    // Starts a program on the display, without the test's own Qt platform settings;
    // `environment` adds NAME=VALUE entries. The session stops it at the end.
    QProcess& start(const QString& program, const QStringList& arguments,
                    const QStringList& environment = {});
    // Runs a command to its end and returns what it printed.
    static QString run(const QString& program, const QStringList& arguments);
    static void xdotool(const QStringList& arguments);
    // xdotool's arguments for a left click of the real pointer at `at`, and that click.
    static QStringList clickArguments(QPoint at);
    static void click(QPoint at);

    // The area of the first visible window whose title matches, in global coordinates.
    static std::optional<QRect> windowArea(const QString& titlePattern, int timeoutMs = 10000);
    static QImage screenshot();
    // A left-button drag of the real pointer, in small steps.
    static void drag(QPoint from, QPoint to);

    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
