#include "app/XCommandLine.h"
#include "app/XSessionPlatform.h"

#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {
XCommandLineRequest parse(std::initializer_list<const char*> args)
{
    QStringList list;
    for (const char* a : args)
        list << QString::fromUtf8(a);
    return XParseCommandLine(list);
}

using Kind = XCommandLineRequest::Kind;
} // namespace

// Catches a typo taken as an option, or Qt's own options refused.
TEST(CommandLine, OptionsTheUserMeantAndQtsOwnAreTakenEverythingElseIsWrongUsage)
{
    EXPECT_EQ(parse({}).kind, Kind::Start);
    EXPECT_EQ(parse({"--version"}).kind, Kind::Version);
    EXPECT_EQ(parse({"--list-bets", "--help"}).kind, Kind::Help);

    const XCommandLineRequest list = parse({"--list-bets", "number5", "special10238"});
    EXPECT_EQ(list.kind, Kind::ListBets);
    EXPECT_EQ(list.betNames, QStringList({QStringLiteral("number5"), QStringLiteral("special10238")}));

    // Both spellings of the service, and Qt's options left for Qt with their values.
    const XCommandLineRequest start = parse({"-platform", "offscreen", "--account-service=https://a.example:5000",
                                             "-session", "1a2b", "-reverse", "-display", ":7"});
    EXPECT_EQ(start.kind, Kind::Start);
    EXPECT_EQ(start.accountService, QStringLiteral("https://a.example:5000"));
    EXPECT_EQ(start.platform, QStringLiteral("offscreen"));
    EXPECT_EQ(start.display, QStringLiteral(":7"));
    EXPECT_EQ(parse({"--account-service", "https://b.example"}).accountService, QStringLiteral("https://b.example"));

    // A value-taking option at the end, a typo, a stray word: never a window.
    for (const auto& bad : {parse({"--account-service"}), parse({"--lsit-bets"}), parse({"-x"}), parse({"number5"}),
                            parse({"-platform"}), parse({"--version", "--bogus"})}) {
        EXPECT_EQ(bad.kind, Kind::BadUsage);
        EXPECT_FALSE(bad.problem.isEmpty());
    }

    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(XAnswerCommandLine(parse({"--frobnicate"}), o, e), 2);
    e.flush();
    EXPECT_TRUE(err.startsWith(QStringLiteral("tableclick: unknown option --frobnicate\n")));
    EXPECT_TRUE(err.contains(QStringLiteral("Usage: tableclick")));
    EXPECT_TRUE(out.isEmpty());
}

// Catches a Wayland window whose clicks reach no XWayland program.
TEST(CommandLine, ClicksGoThroughXSoTheWindowIsOnXUnlessTheUserChoseAPlatform)
{
    const XCommandLineRequest none = parse({});
    XSessionPlatform chosen = XChooseSessionPlatform(none, {QString(), QStringLiteral("wayland-0"), QStringLiteral("wayland")});
    EXPECT_EQ(chosen.platformToSet, QStringLiteral("xcb"));
    EXPECT_TRUE(chosen.needsX11Display);
    EXPECT_TRUE(chosen.onWayland);

    chosen = XChooseSessionPlatform(none, {QStringLiteral("xcb:nograb"), QString(), QStringLiteral("x11")});
    EXPECT_TRUE(chosen.platformToSet.isEmpty());
    EXPECT_TRUE(chosen.needsX11Display);
    EXPECT_FALSE(chosen.onWayland);

    // The user's own choice wins, and only X needs an X display.
    chosen = XChooseSessionPlatform(none, {QStringLiteral("wayland"), QStringLiteral("wayland-0"), QString()});
    EXPECT_TRUE(chosen.platformToSet.isEmpty());
    EXPECT_FALSE(chosen.needsX11Display);
    chosen = XChooseSessionPlatform(parse({"-platform", "offscreen"}), {QString(), QString(), QString()});
    EXPECT_TRUE(chosen.platformToSet.isEmpty());
    EXPECT_FALSE(chosen.needsX11Display);
}

// Catches a crash or a page of Qt output where one line should say what is wrong.
TEST(CommandLine, WithoutADisplayOneLineAndStatusOneAndAWrongOptionNeverOpensAWindow)
{
    const auto run = [](const QStringList& args, QProcessEnvironment env) {
        QProcess process;
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TABLECLICK_BINARY), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::tuple(process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
                          QString::fromLocal8Bit(process.readAllStandardOutput()));
    };
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const auto [status, err, out] = run({}, noDisplay);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("DISPLAY"))) << err.toStdString();

    QProcessEnvironment deadDisplay = noDisplay;
    deadDisplay.insert(QStringLiteral("DISPLAY"), QStringLiteral(":259"));
    const auto [deadStatus, deadErr, deadOut] = run({}, deadDisplay);
    EXPECT_EQ(deadStatus, 1);
    EXPECT_EQ(deadErr.count(QLatin1Char('\n')), 1) << deadErr.toStdString();

    const auto [badStatus, badErr, badOut] = run({QStringLiteral("--no-such-option")}, QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(badStatus, 2);
    EXPECT_TRUE(badErr.contains(QStringLiteral("Usage: tableclick")));

    const auto [versionStatus, versionErr, versionOut] = run({QStringLiteral("--version")}, noDisplay);
    EXPECT_EQ(versionStatus, 0);
    EXPECT_EQ(versionOut, QStringLiteral("tableclick %1\n").arg(QStringLiteral(PROJECT_VERSION)));
}
