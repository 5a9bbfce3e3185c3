// What the user did survives the X server going away and a SIGKILL; one Tableclick per
// settings file.
#include "PrivateXServer.h"
#include "TableclickFixture.h"

#include <QScopeGuard>

#include <csignal>

namespace {
class PersistenceE2e : public TableclickFixture<>
{
protected:
    // Whether the file holds a bet with a click on 17, read as bytes: this process's own
    // QSettings would cache the file.
    bool storedSeventeen() const
    {
        QFile file(settingsFile());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith("kXGridManagerViewControllerDataSourceKey") &&
                line.contains(R"(kXMouseDataIndexKey\":17)"))
                return true;
        return false;
    }
};
} // namespace

// Catches a change lost with the X server, or not read back on the next start.
TEST_F(PersistenceE2e, ABetSurvivesTheXServerGoingAwayAndIsThereOnTheNextDisplay)
{
    // Everything on X servers of the test's own, so that killing one spares the shared one.
    const QByteArray shared = qgetenv("DISPLAY");
    const auto restore = qScopeGuard([&] { qputenv("DISPLAY", shared); });
    QString shown;
    {
        PrivateXServer display(QSize(1280, 1024), 150);
        ASSERT_FALSE(display.name().isEmpty()) << "no Xvfb of our own";
        qputenv("DISPLAY", display.name().toLatin1());
        startTableclick(QStringLiteral("numberButton17"));
        shown = pressNumberUntilCounted(17);
        ASSERT_FALSE(shown.isEmpty());
        // At once: no save as you go has run yet.
        display.kill();
        ASSERT_TRUE(m_app->waitForFinished(15000));
        EXPECT_TRUE(storedSeventeen()) << "the change was lost with the X server";
    }
    PrivateXServer next(QSize(1280, 1024), 150);
    ASSERT_FALSE(next.name().isEmpty());
    qputenv("DISPLAY", next.name().toLatin1());
    startTableclick(QStringLiteral("numberButton17"));
    EXPECT_TRUE(waitForText(QStringLiteral("totalCountLabel"), shown))
        << "shows " << text(QStringLiteral("totalCountLabel")).toStdString() << ", not "
        << shown.toStdString();
}

// Catches a save as you go that is dropped or comes late, lost to a SIGKILL.
TEST_F(PersistenceE2e, ABetIsWrittenWithinASecondAndSurvivesSigkill)
{
    startTableclick(QStringLiteral("numberButton17"));
    ASSERT_FALSE(pressNumberUntilCounted(17).isEmpty());
    EXPECT_TRUE(DesktopSession::waitFor([&] { return storedSeventeen(); }, 2000))
        << "not written soon after the change";
    ::kill(static_cast<pid_t>(m_app->processId()), SIGKILL);
    ASSERT_TRUE(m_app->waitForFinished(5000));
    EXPECT_TRUE(storedSeventeen());
}

// Catches two instances writing one settings file, and a stale lock that keeps Tableclick out.
TEST_F(PersistenceE2e, ASecondStartOnTheSameSettingsExitsWith3AndAKilledHoldersLockIsTakenOver)
{
    startTableclick(QStringLiteral("numberButton17"));
    QProcess& first = *m_app;
    QProcess second;
    second.setProcessEnvironment(
        DesktopSession::environment(environment() << QStringLiteral("TABLECLICK_CONTROL_MAP=") +
                                                         m_dir.filePath(QStringLiteral("second.json"))));
    second.start(QStringLiteral(TABLECLICK_BINARY), {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(5000));
    startTableclick(QStringLiteral("numberButton17"));
    EXPECT_EQ(m_app->state(), QProcess::Running);
}
