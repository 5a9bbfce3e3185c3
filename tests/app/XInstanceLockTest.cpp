// One Tableclick per settings file: the lock refuses a second holder, is not lost to age,
// is taken over from a process that is gone, and a second start reaches the first.
#include "app/XInstanceLock.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(XInstanceLock, ASecondHolderIsRefusedEvenWhenTheLockIsOldAndReachesTheFirst)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("Tableclick/Tableclick.conf"));
    XInstanceLock first(settings);
    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(QFile::exists(first.lockFileName()));
    EXPECT_NE(first.lockFileName(), settings + QStringLiteral(".lock")) << "QSettings' own lock";

    // A session that has run for days keeps its lock.
    QFile lockFile(first.lockFileName());
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        lockFile.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    lockFile.close();

    XInstanceLock second(settings);
    EXPECT_FALSE(second.tryLock());
    QSignalSpy raised(&first, &XInstanceLock::raiseRequested);
    EXPECT_TRUE(second.askHolderToRaise());
    EXPECT_TRUE(raised.wait(5000));

    // Another settings file is another lock.
    XInstanceLock elsewhere(dir.filePath(QStringLiteral("other.conf")));
    EXPECT_TRUE(elsewhere.tryLock());
}

TEST(XInstanceLock, TheLockOfAProcessThatIsGoneIsTakenOver)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("Tableclick.conf"));
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 pid = gone.processId() ? gone.processId() : 999999;
    // What QLockFile writes: pid, application, host.
    QFile stale(XInstanceLock::lockFileNameFor(settings));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(pid) + "\ntableclick\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    XInstanceLock next(settings);
    EXPECT_TRUE(next.tryLock());
    XInstanceLock again(settings);
    EXPECT_FALSE(again.tryLock());
    EXPECT_FALSE(XInstanceLock(dir.filePath(QStringLiteral("none.conf"))).askHolderToRaise(500));
}
