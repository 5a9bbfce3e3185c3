#include "app/XInstanceLock.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <memory>
#include <vector>

using Outcome = XInstanceLock::Outcome;

// Catches two programs on one settings file, a lock lost to age, or a second start let in when
// no lock file could be made (or it was deleted).
TEST(XInstanceLock, ASecondHolderIsRefusedEvenWhenTheLockIsOldOrNoFileAndReachesTheFirst)
{
    for (const bool folderIsAFile : {false, true}) {
        SCOPED_TRACE(folderIsAFile ? "without a lock file" : "with a lock file");
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("Tableclick/Tableclick.conf"));
        // The settings' folder a file: no lock file can be made, not even by root.
        if (QFile file(dir.filePath(QStringLiteral("Tableclick"))); folderIsAFile)
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        XInstanceLock first(settings);
        ASSERT_EQ(first.tryLock(), Outcome::Held);
        EXPECT_EQ(QFile::exists(first.lockFileName()), !folderIsAFile);
        EXPECT_NE(first.lockFileName(), settings + QStringLiteral(".lock")) << "QSettings' own lock";
        // A session that has run for days keeps its lock.
        if (QFile lockFile(first.lockFileName()); !folderIsAFile) {
            ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
            ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                             QFileDevice::FileModificationTime));
        }

        XInstanceLock second(settings);
        EXPECT_EQ(second.tryLock(), Outcome::HeldElsewhere);
        QSignalSpy raised(&first, &XInstanceLock::raiseRequested);
        EXPECT_TRUE(second.askHolderToRaise());
        EXPECT_TRUE(raised.wait(5000));
        // Another settings file is another lock.
        EXPECT_EQ(XInstanceLock(dir.filePath(QStringLiteral("other.conf"))).tryLock(), Outcome::Held);
    }
}

// Catches a stale lock that keeps every start out, or two starts that both take it.
TEST(XInstanceLock, ALockFileThatNamesNoLiveProcessIsTakenOverByOneOfTwoStartsAtOnce)
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 pid = gone.processId() ? gone.processId() : 999999;
    // What QLockFile writes (pid, application, host), and what a crash between creating and
    // writing it leaves.
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    for (const QByteArray& left : {QByteArray(QByteArray::number(pid) + "\ntableclick\n" + host + "\n"),
                                   QByteArray(), QByteArray("12abc\n")}) {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("Tableclick.conf"));
        QFile stale(XInstanceLock::lockFileNameFor(settings));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(left);
        stale.close();

        std::latch ready(2), decided(2);
        std::atomic<int> held = 0, refused = 0;
        std::vector<std::unique_ptr<QThread>> starts;
        for (int i = 0; i < 2; ++i) {
            starts.emplace_back(QThread::create([&] {
                XInstanceLock lock(settings);
                ready.arrive_and_wait();
                const Outcome outcome = lock.tryLock();
                if (outcome == Outcome::Held)
                    ++held;
                else if (outcome == Outcome::HeldElsewhere)
                    ++refused;
                decided.arrive_and_wait();
            }));
            starts.back()->start();
        }
        for (const auto& start : starts)
            ASSERT_TRUE(start->wait(10000));
        EXPECT_EQ(held, 1) << left.toHex().constData();
        EXPECT_EQ(refused, 1) << left.toHex().constData();
    }
    EXPECT_FALSE(XInstanceLock(QDir::temp().filePath(QStringLiteral("none.conf"))).askHolderToRaise(500));
}
