#include "platform/XLog.h"

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

namespace {
// What the calls in `write` put on standard error.
template <typename Write> QString standardErrorOf(Write write)
{
    testing::internal::CaptureStderr();
    write();
    return QString::fromStdString(testing::internal::GetCapturedStderr());
}
} // namespace

// Catches a log line without time stamp or program, and a category not silenced alone.
TEST(Log, LinesKeepTheirFormatAndEachCategoryCanBeSilencedAlone)
{
    QString lines = standardErrorOf([] {
        XLog("ERROR! no grid to click on");
        XLogIn(lcTrace(), "%f,%f", 1.5, 2.0);
    });
    const QRegularExpression line(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6} [^\[]+\[\d+\] ERROR! no grid to click on\n)"
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
