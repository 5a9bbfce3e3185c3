#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Catches instances started together failing in the race to set up a new SQLite file.
TEST(AccountStoreTest, ProcessesOpeningANewSqliteFileAtTheSameMomentAllStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString startFile = dir.filePath(QStringLiteral("start"));
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < 4; ++i) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QStringLiteral(TABLECLICK_OPEN_ACCOUNT_STORE),
                                {dir.path(), QStringLiteral("300"), startFile});
        ASSERT_TRUE(processes.back()->waitForStarted());
    }
    ASSERT_TRUE(QFile(startFile).open(QIODevice::WriteOnly));
    for (auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().constData();
    }
}
