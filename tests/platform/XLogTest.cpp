#include "platform/XLog.h"

#include <QRegularExpression>
#include <QString>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {
// What the calls in `write` put on standard error.
template <typename Write> QString standardErrorOf(Write write)
{
    QTemporaryFile capture;
    EXPECT_TRUE(capture.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    write();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return QString::fromUtf8(capture.readAll());
}
} // namespace

// Catches a log line without time stamp or program, and a category not silenced alone.
TEST(Log, LinesKeepTheirFormatAndEachCategoryCanBeSilencedAlone)
{
    QString lines = standardErrorOf([] {
        XLog("ERROR! no grid to click on");
        XLogIn(lcTrace(), "%f,%f", 1.5, 2.0);
    });
    const QRegularExpression line(QStringLiteral(
        R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6} [^\[]+\[\d+\] ERROR! no grid to click on\n)"
        R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6} [^\[]+\[\d+\] 1\.500000,2\.000000\n$)"));
    EXPECT_TRUE(line.match(lines).hasMatch()) << lines.toStdString();

    QLoggingCategory::setFilterRules(QStringLiteral("tableclick.trace=false"));
    lines = standardErrorOf([] {
        XLogIn(lcTrace(), "%d", 7);
        XLogIn(lcAccounts(), "web request started");
    });
    EXPECT_FALSE(lines.contains(QLatin1String("] 7\n")));
    EXPECT_TRUE(lines.contains(QLatin1String("] web request started\n")));

    QLoggingCategory::setFilterRules(QStringLiteral("tableclick*=false"));
    EXPECT_TRUE(standardErrorOf([] {
                    XLog("ERROR!");
                    XLogIn(lcHotKeys(), "ERROR!");
                }).isEmpty());
    QLoggingCategory::setFilterRules(QString());
}
