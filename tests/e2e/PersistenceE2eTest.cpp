// What the user did survives the X server going away and a SIGKILL; one Tableclick per
// settings file; a settings file that cannot be written is shown.
#include "ControlMap.h"
#include "DesktopSession.h"
#include "PrivateXServer.h"
#include "TableclickSetup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

namespace {
const QString kBetListKey = QStringLiteral("kXGridManagerViewControllerDataSourceKey");

// An X server of the test's own, so that killing it spares the shared one.
struct PrivateDisplay : PrivateXServer
{
    PrivateDisplay() : PrivateXServer(QSize(1280, 1024), 150) {}
};

class PersistenceE2e : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
    }

    QString settingsFile() const { return XTableclickSettingsFile(m_dir.path()); }
    QStringList environment(const QString& controlMap, const QString& display = {}) const
    {
        QStringList env = XTableclickEnvironment(m_dir.path(), controlMap);
        if (!display.isEmpty())
            env << QStringLiteral("DISPLAY=") + display;
        return env;
    }
    // Starts Tableclick with a control map of its own and waits for its bet panel.
    QProcess& startApp(const QString& mapName, const QString& display = {})
    {
        m_map = m_dir.filePath(mapName);
        QProcess& app = m_session.start(QStringLiteral(TABLECLICK_BINARY), {}, environment(m_map, display));
        EXPECT_TRUE(DesktopSession::waitFor(
            [&] { return XControlArea(m_map, QStringLiteral("numberButton17")).has_value(); }, 15000))
            << "Tableclick's bet panel never showed";
        return app;
    }
    QString shownText(const QString& control) const
    {
        return XControlText(m_map, control);
    }
    // Presses number 17 and waits until the panel shows the new sum; answers that text.
    QString pressSeventeen(const std::function<void(const QStringList&)>& xdotool)
    {
        const QString before = shownText(QStringLiteral("totalCountLabel"));
        // The window manager may still be placing the window: a press that went astray is
        // made again where the button is now.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::optional<QRect> button = XControlArea(m_map, QStringLiteral("numberButton17"));
            if (!button)
                break;
            xdotool(DesktopSession::clickArguments(button->center()));
            if (DesktopSession::waitFor(
                    [&] { return shownText(QStringLiteral("totalCountLabel")) != before; }, 3000))
                return shownText(QStringLiteral("totalCountLabel"));
        }
        ADD_FAILURE() << "the press never reached the panel";
        return {};
    }
    // Whether the file holds a bet with a click on 17, read as bytes: this process's own
    // QSettings would cache the file.
    bool storedSeventeen() const
    {
        QFile file(settingsFile());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith(kBetListKey.toUtf8()) && line.contains(R"(kXMouseDataIndexKey\":17)"))
                return true;
        return false;
    }

    QTemporaryDir m_dir;
    QString m_map;
    DesktopSession m_session;
};
} // namespace

// Catches a change lost with the X server, or not read back on the next start.
TEST_F(PersistenceE2e, ABetSurvivesTheXServerGoingAwayAndIsThereOnTheNextDisplay)
{
    QString shown;
    {
        PrivateDisplay display;
        ASSERT_FALSE(display.name().isEmpty()) << "no Xvfb of our own";
        QProcess& app = startApp(QStringLiteral("first.json"), display.name());
        shown = pressSeventeen([&display](const QStringList& a) { display.xdotool(a); });
        ASSERT_FALSE(shown.isEmpty());
        // At once: no save as you go has run yet.
        display.kill();
        ASSERT_TRUE(app.waitForFinished(15000));
        EXPECT_TRUE(storedSeventeen()) << "the change was lost with the X server";
    }
    PrivateDisplay next;
    ASSERT_FALSE(next.name().isEmpty());
    startApp(QStringLiteral("second.json"), next.name());
    EXPECT_TRUE(DesktopSession::waitFor([&] {
        return shownText(QStringLiteral("totalCountLabel")) == shown;
    })) << "shows "
        << shownText(QStringLiteral("totalCountLabel")).toStdString() << ", not " << shown.toStdString();
}

// Catches a save as you go that is dropped or comes late, lost to a SIGKILL.
TEST_F(PersistenceE2e, ABetIsWrittenWithinASecondAndSurvivesSigkill)
{
    QProcess& app = startApp(QStringLiteral("map.json"));
    ASSERT_FALSE(pressSeventeen(&DesktopSession::xdotool).isEmpty());
    EXPECT_TRUE(DesktopSession::waitFor([&] { return storedSeventeen(); }, 2000))
        << "not written soon after the change";
    ::kill(static_cast<pid_t>(app.processId()), SIGKILL);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_TRUE(storedSeventeen());
}

// Catches two instances writing one settings file, and a stale lock that keeps Tableclick out.
TEST_F(PersistenceE2e, ASecondStartOnTheSameSettingsExitsWith3AndAKilledHoldersLockIsTakenOver)
{
    QProcess& first = startApp(QStringLiteral("first.json"));
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString& entry : environment(m_dir.filePath(QStringLiteral("second.json"))))
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(TABLECLICK_BINARY), {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(5000));
    QProcess& third = startApp(QStringLiteral("third.json"));
    EXPECT_EQ(third.state(), QProcess::Running);
}

// Catches a failed write kept from the user.
TEST_F(PersistenceE2e, SettingsThatCannotBeWrittenAreShownNamingTheFile)
{
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    startApp(QStringLiteral("map.json"));
    const auto alertShown = [&] { return !XControlEntry(m_map, QStringLiteral("alert")).isEmpty(); };
    // Placing the windows may have been enough of a change already.
    if (!DesktopSession::waitFor(alertShown, 3000)) {
        const std::optional<QRect> button = XControlArea(m_map, QStringLiteral("numberButton17"));
        ASSERT_TRUE(button);
        DesktopSession::xdotool(DesktopSession::clickArguments(button->center()));
    }
    ASSERT_TRUE(DesktopSession::waitFor(alertShown, 10000));
    const QString text =
        XControlEntry(m_map, QStringLiteral("alert")).value(QStringLiteral("informativeText")).toString();
    EXPECT_TRUE(text.contains(settingsFile())) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("folder"))) << text.toStdString();
}
