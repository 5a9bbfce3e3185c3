// The account screens of the real Tableclick against the real account service on a real
// X server: signing up, confirming by the mailed link, signing in to the main view, and a
// service that is down.
#include "AccountdClient.h"
#include "AccountdProcess.h"
#include "TableclickFixture.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
const QString kEmail = QStringLiteral("ann@example.org");

class AccountsE2e : public TableclickFixture<>
{
protected:
    void SetUp() override
    {
        TableclickFixture::SetUp();
        if (IsSkipped())
            return;
        // Where Tableclick looks for the local service's certificate.
        m_dataDir = m_dir.filePath(QStringLiteral("data/Tableclick/accounts"));
        QDir().mkpath(m_dataDir);
        m_service = std::make_unique<AccountdProcess>(m_dataDir);
        startService();
        startSignIn(QStringLiteral(TABLECLICK_BINARY));
    }

    void startSignIn(const QString& binary)
    {
        launch(QStringLiteral("loginButton"),
               {QStringLiteral("XDG_CONFIG_HOME=") + m_dir.filePath(QStringLiteral("config")),
                QStringLiteral("XDG_DATA_HOME=") + m_dir.filePath(QStringLiteral("data")),
                QStringLiteral("TABLECLICK_CONTROL_MAP=") + m_controls,
                QStringLiteral("TABLECLICK_ACCOUNTD_PORT=") + QString::number(m_port)},
               binary);
        QThread::msleep(500);
    }

    void startService()
    {
        QString log;
        // The local default, on a port of its own (the same one again after a stop), its data
        // where Tableclick looks.
        const QStringList port =
            m_port ? QStringList{QStringLiteral("--port"), QString::number(m_port)} : QStringList();
        ASSERT_TRUE(m_service->start(port, &log)) << log.toStdString();
        m_port = m_service->port();
        m_client = std::make_unique<AccountdClient>(m_service->origin(), m_service->certPath());
    }

    void typeInto(const QString& field, const QString& text)
    {
        clickControl(field);
        DesktopSession::xdotool(
            {QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
        DesktopSession::xdotool(
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
    }
    // Waits for the alert, closes it with Return and answers its text.
    QString closeAlert()
    {
        DesktopSession::waitFor([&] { return !entry(QStringLiteral("alert")).isEmpty(); }, 15000);
        const QString shown = text(QStringLiteral("alert"));
        DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        DesktopSession::waitFor([&] { return entry(QStringLiteral("alert")).isEmpty(); });
        return shown;
    }
    QByteArray lastMail() const
    {
        const QList<QByteArray> mails = m_service->mails();
        return mails.isEmpty() ? QByteArray() : mails.back();
    }
    void signIn(const QString& password)
    {
        typeInto(QStringLiteral("emailTextField"), kEmail);
        typeInto(QStringLiteral("passwordTextField"), password);
        clickControl(QStringLiteral("loginButton"));
    }
    // An account made and confirmed straight through the service.
    void makeAccount(const QString& password)
    {
        ASSERT_EQ(m_client
                      ->get(QStringLiteral("/api/mac_user/register"),
                            {{QStringLiteral("username"), QStringLiteral("ann")},
                             {QStringLiteral("email"), kEmail},
                             {QStringLiteral("password"), password}})
                      .success(),
                  QStringLiteral("true"));
        followConfirmationLink();
    }
    void followConfirmationLink()
    {
        const auto link =
            QRegularExpression(QStringLiteral("https://\\S+/api/mac_user/confirm\\?token=[A-Za-z0-9_-]+"))
                .match(QString::fromUtf8(lastMail()));
        ASSERT_TRUE(link.hasMatch()) << lastMail().toStdString();
        EXPECT_EQ(m_client->getUrl(link.captured(0)).status, 200);
    }

    quint16 m_port = 0;
    QString m_dataDir;
    std::unique_ptr<AccountdProcess> m_service;
    std::unique_ptr<AccountdClient> m_client;
};
} // namespace

// Catches a service that is down left unsaid, and a client that stays broken after it is back.
TEST_F(AccountsE2e, AServiceThatIsDownIsReportedAndOnceItIsBackTheSignInGoesThrough)
{
    makeAccount(QStringLiteral("oldsecret1"));
    m_service->stop();
    signIn(QStringLiteral("oldsecret1"));
    EXPECT_EQ(closeAlert(), QStringLiteral("Cannot reach the account service"));
    startService();
    clickControl(QStringLiteral("loginButton"));
    EXPECT_TRUE(waitForControl(QStringLiteral("numberButton36"), 15000)) << "the sign-in did not go through";
}

namespace {
// The installed program, started as from the menu with no service running.
class InstalledAccountsE2e : public AccountsE2e
{
protected:
    void SetUp() override
    {
        TableclickFixture::SetUp();
        if (IsSkipped())
            return;
        const QString prefix = m_dir.filePath(QStringLiteral("prefix"));
        QProcess install;
        install.start(QStringLiteral("cmake"),
                      {QStringLiteral("--install"), QStringLiteral(TABLECLICK_BUILD_DIR),
                       QStringLiteral("--prefix"), prefix});
        ASSERT_TRUE(install.waitForFinished(120000) && install.exitCode() == 0)
            << install.readAll().toStdString();
        m_dataDir = m_dir.filePath(QStringLiteral("data/Tableclick/accounts"));
        // Only to read the mails the service started by Tableclick leaves.
        m_service = std::make_unique<AccountdProcess>(m_dataDir);
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        m_port = probe.serverPort();
        probe.close();
        startSignIn(prefix + QStringLiteral("/bin/tableclick"));
        m_client = std::make_unique<AccountdClient>(QStringLiteral("https://127.0.0.1:%1").arg(m_port),
                                                    m_dataDir + QStringLiteral("/tls/cert.pem"));
    }

    bool serviceAnswers() const
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        return socket.waitForConnected(500);
    }
};
} // namespace

// Catches the installed program's service not started, trusted or stopped, a lost sign-up, an unconfirmed
// sign-in.
TEST_F(InstalledAccountsE2e, StartedAsFromTheMenuItRunsTheServiceForASignUpAndTheFirstSignIn)
{
    EXPECT_TRUE(serviceAnswers()) << "Tableclick did not start the local service";
    clickControl(QStringLiteral("signupButton"));
    ASSERT_TRUE(waitForControl(QStringLiteral("usernameTextField")));
    typeInto(QStringLiteral("usernameTextField"), QStringLiteral("ann"));
    typeInto(QStringLiteral("emailTextField"), kEmail);
    typeInto(QStringLiteral("passwordSecureTextField"), QStringLiteral("secret123&x"));
    typeInto(QStringLiteral("confirmSecureTextField"), QStringLiteral("secret123&x"));
    clickControl(QStringLiteral("checkBoxButton"));
    clickControl(QStringLiteral("signupButton"));
    EXPECT_EQ(closeAlert(), QStringLiteral("Account created"));
    ASSERT_TRUE(waitForControl(QStringLiteral("loginButton")));

    // Not confirmed yet: refused.
    signIn(QStringLiteral("secret123&x"));
    EXPECT_EQ(closeAlert(), QStringLiteral("Sign-in failed"));
    followConfirmationLink();
    signIn(QStringLiteral("secret123&x"));
    EXPECT_TRUE(waitForControl(QStringLiteral("numberButton36"), 15000)) << "the main view never showed";
    terminateTableclick();
    EXPECT_TRUE(DesktopSession::waitFor([&] { return !serviceAnswers(); }, 5000))
        << "the service Tableclick started outlived it";
}
