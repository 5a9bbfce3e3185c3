#include "platform/XLog.h"

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

// Catches a category not silenced alone, or all of them not silenced together.
TEST(Log, EachCategoryCanBeSilencedAlone)
{
    QLoggingCategory::setFilterRules(QStringLiteral("tableclick.trace=false"));
    const QString lines = standardErrorOf([] {
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
