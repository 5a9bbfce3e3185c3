// The real tableclick-accountd, over HTTPS on a free port, once with SQLite and once with a
// throwaway PostgreSQL cluster.
#include "AccountdClient.h"
#include "AccountdProcess.h"
#include "PostgresCluster.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

namespace {

enum class Backend
{
    Sqlite,
    Postgresql
};

const QString kLogin = QStringLiteral("/api/mac_user/login");
const QString kRegister = QStringLiteral("/api/mac_user/register");
const QString kEmailConfirm = QStringLiteral("/api/mac_user/email_confirm");
const QString kResetPassword = QStringLiteral("/api/mac_user/reset_password");

QString confirmLinkIn(const QByteArray& mail)
{
    const auto match =
        QRegularExpression(QStringLiteral("https://\\S+/api/mac_user/confirm\\?token=[A-Za-z0-9_-]+"))
            .match(QString::fromUtf8(mail));
    return match.hasMatch() ? match.captured(0) : QString();
}

QString codeIn(const QByteArray& mail)
{
    const auto match =
        QRegularExpression(QStringLiteral("\\n    (\\d{6})\\r?\\n")).match(QString::fromUtf8(mail));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString otherCode(const QString& code)
{
    return QStringLiteral("%1").arg((code.toInt() + 1) % 1000000, 6, 10, QLatin1Char('0'));
}

class AccountdServiceTest : public ::testing::TestWithParam<Backend>
{
protected:
    static void TearDownTestSuite() { s_cluster.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        if (GetParam() != Backend::Postgresql)
            return;
        if (!s_cluster) {
            s_cluster = std::make_unique<PostgresCluster>();
            if (!s_cluster->start(&s_clusterError))
                s_clusterError = s_clusterError.isEmpty() ? QStringLiteral("no cluster") : s_clusterError;
        }
        if (!s_clusterError.isEmpty())
            GTEST_SKIP() << qPrintable(s_clusterError);
        static int databases = 0;
        QString error;
        m_databaseUrl = s_cluster->createDatabase(QStringLiteral("accounts%1").arg(++databases), &error);
        ASSERT_FALSE(m_databaseUrl.isEmpty()) << qPrintable(error);
    }

    // Starts (or restarts) the service on the test's data folder. No request limit unless a
    // test asks for one: the suite sends far more than a person would.
    void startService(const QStringList& extra = {}, const QString& crashAt = QString(),
                      const QString& sanitizerOptions = QString())
    {
        if (m_service) {
            ASSERT_EQ(m_service->stop(), 0);
        }
        m_service = std::make_unique<AccountdProcess>(m_dir.path());
        for (auto it = m_environment.cbegin(); it != m_environment.cend(); ++it)
            m_service->setEnvironmentVariable(it.key(), it.value());
        if (!crashAt.isEmpty())
            m_service->setEnvironmentVariable(QStringLiteral("TABLECLICK_ACCOUNTD_CRASH_AT"), crashAt);
        if (!sanitizerOptions.isEmpty())
            m_service->setEnvironmentVariable(
                QStringLiteral("ASAN_OPTIONS"),
                qEnvironmentVariable("ASAN_OPTIONS") + u':' + sanitizerOptions);
        QStringList arguments{QStringLiteral("--rate-limit"), QStringLiteral("0")};
        if (!m_databaseUrl.isEmpty())
            arguments << QStringLiteral("--database") << m_databaseUrl;
        QString log;
        ASSERT_TRUE(m_service->start(arguments + extra, &log)) << qPrintable(log);
        m_client = std::make_unique<AccountdClient>(m_service->origin(), m_service->certPath());
    }

    AccountdClient::Reply registerAccount(const QString& username, const QString& email,
                                          const QString& password)
    {
        return m_client->get(kRegister, {{QStringLiteral("username"), username},
                                         {QStringLiteral("email"), email},
                                         {QStringLiteral("password"), password}});
    }
    AccountdClient::Reply login(const QString& email, const QString& password)
    {
        return m_client->get(kLogin,
                             {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
    }
    AccountdClient::Reply emailConfirm(const QString& email)
    {
        return m_client->get(kEmailConfirm, {{QStringLiteral("email"), email}});
    }
    AccountdClient::Reply resetPassword(const QString& code, const QString& email, const QString& password)
    {
        return m_client->get(kResetPassword, {{QStringLiteral("confirm_code"), code},
                                              {QStringLiteral("email"), email},
                                              {QStringLiteral("new_password"), password}});
    }
    // A raw login from a chosen local address (the whole of 127/8 is this machine).
    AccountdClient::Reply loginFrom(const QString& address, const QString& email, const QString& password)
    {
        const QByteArray query = AccountdClient::encodeQuery(
            {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
        return m_client->raw("GET /api/mac_user/login?" + query + " HTTP/1.1\r\nHost: localhost\r\n\r\n",
                             address);
    }

    static bool delayed(const AccountdClient::Reply& reply)
    {
        return reply.json.value(QStringLiteral("message")).toString().contains(QStringLiteral("try again in"));
    }
    // Waits out the account's delay, as a client that reads the answer would.
    AccountdClient::Reply loginAfterDelay(const QString& from, const QString& email, const QString& password)
    {
        const QDeadlineTimer deadline(60000);
        AccountdClient::Reply reply = loginFrom(from, email, password);
        while (delayed(reply) && !deadline.hasExpired()) {
            QThread::msleep(20);
            reply = loginFrom(from, email, password);
        }
        return reply;
    }

    QByteArray lastMail() const
    {
        const QList<QByteArray> mails = m_service->mails();
        return mails.isEmpty() ? QByteArray() : mails.back();
    }

    void createConfirmedAccount(const QString& username, const QString& email, const QString& password)
    {
        ASSERT_EQ(registerAccount(username, email, password).success(), QStringLiteral("true"));
        const QString link = confirmLinkIn(lastMail());
        ASSERT_FALSE(link.isEmpty());
        ASSERT_EQ(m_client->getUrl(link).status, 200);
    }

    QString requestCode(const QString& email)
    {
        const qsizetype before = m_service->mails().size();
        EXPECT_EQ(emailConfirm(email).success(), QStringLiteral("true"));
        EXPECT_EQ(m_service->mails().size(), before + 1);
        return codeIn(lastMail());
    }

    inline static std::unique_ptr<PostgresCluster> s_cluster;
    inline static QString s_clusterError;
    QTemporaryDir m_dir;
    QHash<QString, QString> m_environment; // for the service, from the next start on
    QString m_databaseUrl;
    std::unique_ptr<AccountdProcess> m_service;
    std::unique_ptr<AccountdClient> m_client;
};

TEST_P(AccountdServiceTest, RegisterMailsALinkThatConfirmsOnceThenLoginAnswersTheUserInfo)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    const AccountdClient::Reply registered = registerAccount(
        QStringLiteral("Bob"), QStringLiteral("bob@example.org"), QStringLiteral("secret123"));
    EXPECT_EQ(registered.status, 200);
    EXPECT_EQ(registered.success(), QStringLiteral("true"));
    EXPECT_TRUE(registered.json.value(QStringLiteral("message")).isString());

    const QList<QByteArray> mails = m_service->mails();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_TRUE(mails[0].contains("\r\nTo: bob@example.org\r\n"));
    EXPECT_TRUE(mails[0].startsWith("Date: "));
    const QString link = confirmLinkIn(mails[0]);
    ASSERT_TRUE(link.startsWith(QStringLiteral("https://localhost:%1/").arg(m_service->port())))
        << qPrintable(link);

    EXPECT_EQ(login(QStringLiteral("bob@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("false"))
        << "an unconfirmed account cannot sign in";

    // The link's host is localhost; the client reaches it through 127.0.0.1 all the same.
    const QString local =
        QString(link).replace(QStringLiteral("https://localhost:"), QStringLiteral("https://127.0.0.1:"));
    EXPECT_EQ(m_client->getUrl(local).status, 200);
    EXPECT_EQ(m_client->getUrl(local).status, 400) << "a link works once";

    const AccountdClient::Reply signedIn =
        login(QStringLiteral("BOB@example.ORG"), QStringLiteral("secret123"));
    EXPECT_EQ(signedIn.success(), QStringLiteral("true"));
    const QJsonObject userinfo = signedIn.json.value(QStringLiteral("userinfo")).toObject();
    EXPECT_EQ(userinfo.value(QStringLiteral("username")).toString(), QStringLiteral("Bob"));
    EXPECT_EQ(userinfo.value(QStringLiteral("email")).toString(), QStringLiteral("bob@example.org"));

    EXPECT_EQ(QFile::permissions(m_dir.path() + QStringLiteral("/tls/key.pem")),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
}

TEST_P(AccountdServiceTest, LoginRefusesWrongPasswordsUnknownAddressesAndUnconfirmedAccounts)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("carol"), QStringLiteral("carol@example.org"),
                           QStringLiteral("secret123"));
    ASSERT_EQ(registerAccount(QStringLiteral("dave"), QStringLiteral("dave@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("true"));

    EXPECT_EQ(login(QStringLiteral("carol@example.org"), QStringLiteral("secret124")).success(),
              QStringLiteral("false"));
    EXPECT_EQ(login(QStringLiteral("carol@example.org"), QStringLiteral("SECRET123")).success(),
              QStringLiteral("false"));
    EXPECT_EQ(login(QStringLiteral("nobody@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("false"));
    EXPECT_EQ(login(QStringLiteral("dave@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("false"));
    const AccountdClient::Reply refused =
        login(QStringLiteral("carol@example.org"), QStringLiteral("wrong1234"));
    EXPECT_FALSE(refused.json.contains(QStringLiteral("userinfo")));
    EXPECT_EQ(login(QStringLiteral("carol@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("true"));
}

TEST_P(AccountdServiceTest, RegisterAnswersTakenNamesAndAddressesWeakPasswordsAndMalformedQueries)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    ASSERT_EQ(registerAccount(QStringLiteral("erin"), QStringLiteral("erin@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("true"));
    EXPECT_EQ(registerAccount(QStringLiteral("ERIN"), QStringLiteral("other@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("username"));
    // A taken address gets the answer of a new one; its owner hears of it by mail.
    const AccountdClient::Reply fresh = registerAccount(QStringLiteral("erin3"), QStringLiteral("erin3@example.org"),
                                                        QStringLiteral("secret123"));
    const AccountdClient::Reply taken = registerAccount(QStringLiteral("erin2"), QStringLiteral("Erin@Example.org"),
                                                        QStringLiteral("secret123"));
    EXPECT_EQ(taken.success(), QStringLiteral("true"));
    EXPECT_EQ(taken.json.value(QStringLiteral("message")), fresh.json.value(QStringLiteral("message")));
    EXPECT_EQ(m_service->mails().size(), 3);
    EXPECT_TRUE(lastMail().contains("\r\nTo: erin@example.org\r\n"));
    EXPECT_EQ(registerAccount(QStringLiteral("frank"), QStringLiteral("frank@example.org"),
                              QStringLiteral("short12"))
                  .success(),
              QStringLiteral("password"))
        << "seven characters";
    EXPECT_EQ(registerAccount(QStringLiteral("frank"), QStringLiteral("frank@example.org"),
                              QStringLiteral("nodigitshere"))
                  .success(),
              QStringLiteral("password"));
    EXPECT_EQ(m_service->mails().size(), 3) << "refused registrations do not mail";

    // Missing, repeated and unreadable fields.
    EXPECT_EQ(m_client
                  ->get(kRegister, {{QStringLiteral("username"), QStringLiteral("g")},
                                    {QStringLiteral("email"), QStringLiteral("g@example.org")}})
                  .success(),
              QStringLiteral("false"));
    EXPECT_EQ(
        registerAccount(QStringLiteral("g"), QStringLiteral("not-an-address"), QStringLiteral("secret123"))
            .success(),
        QStringLiteral("false"));
    EXPECT_EQ(
        registerAccount(QString(), QStringLiteral("g@example.org"), QStringLiteral("secret123")).success(),
        QStringLiteral("false"));
    const AccountdClient::Reply repeated = m_client->getUrl(
        m_service->origin() + kRegister +
        QStringLiteral("?username=g&email=g@example.org&email=h@example.org&password=secret123"));
    EXPECT_EQ(repeated.status, 200);
    EXPECT_EQ(repeated.success(), QStringLiteral("false"));

    // Every character survives the trip: '+', '&', '%', '=', spaces and non-ASCII.
    const QString odd = QStringLiteral("p+ss &w%rd=1 ü");
    createConfirmedAccount(QStringLiteral("Grün Ödön"), QStringLiteral("g.o+tag@example.org"), odd);
    const AccountdClient::Reply signedIn = login(QStringLiteral("g.o+tag@example.org"), odd);
    EXPECT_EQ(signedIn.success(), QStringLiteral("true"));
    EXPECT_EQ(signedIn.json.value(QStringLiteral("userinfo"))
                  .toObject()
                  .value(QStringLiteral("username"))
                  .toString(),
              QStringLiteral("Grün Ödön"));
    EXPECT_EQ(login(QStringLiteral("g.o+tag@example.org"), QStringLiteral("p ss &w%rd=1 ü")).success(),
              QStringLiteral("false"))
        << "'+' is a plus sign, not a space";
}

TEST_P(AccountdServiceTest, ResetTakesOnlyTheRightLiveCodeOnce)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("heidi"), QStringLiteral("heidi@example.org"),
                           QStringLiteral("secret123"));
    const qsizetype mailsBefore = m_service->mails().size();
    EXPECT_EQ(emailConfirm(QStringLiteral("stranger@example.org")).success(), QStringLiteral("true"))
        << "unknown addresses get the same answer";
    EXPECT_EQ(m_service->mails().size(), mailsBefore) << "but no mail";
    EXPECT_EQ(emailConfirm(QStringLiteral("no address")).success(), QStringLiteral("false"));

    const QString code = requestCode(QStringLiteral("heidi@example.org"));
    ASSERT_EQ(code.size(), 6);
    EXPECT_TRUE(lastMail().contains("\r\nTo: heidi@example.org\r\n"));

    EXPECT_EQ(resetPassword(code, QStringLiteral("heidi@example.org"), QStringLiteral("weak")).success(),
              QStringLiteral("password"));
    EXPECT_EQ(
        resetPassword(otherCode(code), QStringLiteral("heidi@example.org"), QStringLiteral("newsecret456"))
            .success(),
        QStringLiteral("false"));
    EXPECT_EQ(
        resetPassword(code, QStringLiteral("stranger@example.org"), QStringLiteral("newsecret456")).success(),
        QStringLiteral("false"));
    EXPECT_EQ(resetPassword(QStringLiteral("12345"), QStringLiteral("heidi@example.org"),
                            QStringLiteral("newsecret456"))
                  .success(),
              QStringLiteral("false"));
    EXPECT_EQ(
        resetPassword(code, QStringLiteral("heidi@example.org"), QStringLiteral("newsecret456")).success(),
        QStringLiteral("true"))
        << "one wrong try and a weak password leave the code usable";
    EXPECT_EQ(
        resetPassword(code, QStringLiteral("heidi@example.org"), QStringLiteral("another789")).success(),
        QStringLiteral("false"))
        << "a code works once";

    EXPECT_EQ(login(QStringLiteral("heidi@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("false"));
    EXPECT_EQ(login(QStringLiteral("heidi@example.org"), QStringLiteral("newsecret456")).success(),
              QStringLiteral("true"));

    // Five wrong tries use a code up, even for the right one after them.
    const QString second = requestCode(QStringLiteral("heidi@example.org"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(resetPassword(otherCode(second), QStringLiteral("heidi@example.org"),
                                QStringLiteral("another789"))
                      .success(),
                  QStringLiteral("false"));
    EXPECT_EQ(
        resetPassword(second, QStringLiteral("heidi@example.org"), QStringLiteral("another789")).success(),
        QStringLiteral("false"));

    // A new code replaces the old one.
    createConfirmedAccount(QStringLiteral("hugo"), QStringLiteral("hugo@example.org"),
                           QStringLiteral("secret123"));
    const QString third = requestCode(QStringLiteral("hugo@example.org"));
    const QString fourth = requestCode(QStringLiteral("hugo@example.org"));
    if (third != fourth) {
        EXPECT_EQ(
            resetPassword(third, QStringLiteral("hugo@example.org"), QStringLiteral("another789")).success(),
            QStringLiteral("false"));
    }
    EXPECT_EQ(
        resetPassword(fourth, QStringLiteral("hugo@example.org"), QStringLiteral("another789")).success(),
        QStringLiteral("true"));
}

TEST_P(AccountdServiceTest, CodesAreRationedPerAccountAndShareOneBudgetOfGuesses)
{
    const QString ivy = QStringLiteral("ivy@example.org");
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("ivy"), ivy, QStringLiteral("secret123"));

    // Each fresh code used to bring fresh tries: two codes' worth of wrong guesses now leave
    // none for a third code, even the right one.
    QString code;
    for (int round = 0; round < 3; ++round) {
        code = requestCode(ivy);
        ASSERT_EQ(code.size(), 6);
        for (int i = 0; i < 5 && round < 2; ++i)
            ASSERT_EQ(resetPassword(otherCode(code), ivy, QStringLiteral("newsecret456")).success(),
                      QStringLiteral("false"));
    }
    EXPECT_EQ(resetPassword(code, ivy, QStringLiteral("newsecret456")).success(), QStringLiteral("false"));

    // A fourth code within the hour is not sent, and the answer does not tell.
    const qsizetype mails = m_service->mails().size();
    EXPECT_EQ(emailConfirm(ivy).success(), QStringLiteral("true"));
    EXPECT_EQ(emailConfirm(QStringLiteral("nobody@example.org")).json, emailConfirm(ivy).json);
    EXPECT_EQ(m_service->mails().size(), mails);
}

TEST_P(AccountdServiceTest, CodesAndLinksExpireAndAccountsOutliveARestart)
{
    ASSERT_NO_FATAL_FAILURE(startService({QStringLiteral("--code-ttl"), QStringLiteral("1"),
                                          QStringLiteral("--link-ttl"), QStringLiteral("1")}));
    createConfirmedAccount(QStringLiteral("ivan"), QStringLiteral("ivan@example.org"),
                           QStringLiteral("secret123"));
    ASSERT_EQ(registerAccount(QStringLiteral("judy"), QStringLiteral("judy@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("true"));
    const QString link = confirmLinkIn(lastMail());
    const QString code = requestCode(QStringLiteral("ivan@example.org"));
    QThread::msleep(1500);
    EXPECT_EQ(
        resetPassword(code, QStringLiteral("ivan@example.org"), QStringLiteral("newsecret456")).success(),
        QStringLiteral("false"));
    EXPECT_EQ(m_client->getUrl(link).status, 400);
    EXPECT_EQ(login(QStringLiteral("judy@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("false"));

    // Stopped with SIGTERM and started again on the same data: the schema is kept.
    ASSERT_NO_FATAL_FAILURE(startService());
    EXPECT_EQ(login(QStringLiteral("ivan@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("true"));
    EXPECT_EQ(registerAccount(QStringLiteral("ivan"), QStringLiteral("ivan2@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("username"));
}

TEST_P(AccountdServiceTest, WrongPasswordsDelayTheAccountButLockOnlyTheGuessersAddress)
{
    const QString kim = QStringLiteral("kim@example.org");
    const QString lee = QStringLiteral("lee@example.org");
    const QString right = QStringLiteral("secret123");
    constexpr int kFirstDelayMs = 100;
    m_environment.insert(QStringLiteral("TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS"), QString::number(kFirstDelayMs));
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("kim"), kim, right);
    createConfirmedAccount(QStringLiteral("lee"), lee, right);

    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(loginAfterDelay(QStringLiteral("127.0.0.3"), kim, QStringLiteral("wrong1234"))
                      .json.value(QStringLiteral("message"))
                      .toString(),
                  QStringLiteral("Incorrect e-mail or password."));
    }
    // The delay has grown to 16 times the first: the owner waits too, but is not locked out.
    EXPECT_TRUE(delayed(loginFrom(QStringLiteral("127.0.0.2"), kim, right)));
    EXPECT_EQ(loginAfterDelay(QStringLiteral("127.0.0.2"), kim, right).success(), QStringLiteral("true"));

    // The guesser's address stays locked for kim, and only for kim.
    const AccountdClient::Reply guesser = loginAfterDelay(QStringLiteral("127.0.0.3"), kim, right);
    EXPECT_EQ(guesser.success(), QStringLiteral("false"));
    EXPECT_FALSE(delayed(guesser));
    EXPECT_EQ(loginFrom(QStringLiteral("127.0.0.3"), lee, right).success(), QStringLiteral("true"));

    // A password reset proves the address and ends its delays.
    for (int i = 0; i < 5; ++i)
        loginAfterDelay(QStringLiteral("127.0.0.4"), kim, QStringLiteral("wrong1234"));
    const QString code = requestCode(kim);
    ASSERT_EQ(resetPassword(code, kim, QStringLiteral("newsecret456")).success(), QStringLiteral("true"));
    EXPECT_EQ(loginFrom(QStringLiteral("127.0.0.2"), kim, QStringLiteral("newsecret456")).success(),
              QStringLiteral("true"));
}

TEST_P(AccountdServiceTest, WrongPasswordsSentAtOnceGetNoMoreChecksThanTheLimit)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("quinn"), QStringLiteral("quinn@example.org"),
                           QStringLiteral("secret123"));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    QNetworkAccessManager network;
    QList<QNetworkReply*> replies;
    for (int i = 0; i < 16; ++i) {
        QNetworkRequest request(
            QUrl(m_service->origin() + kLogin + QStringLiteral("?email=quinn%40example.org&password=wrong%1").arg(i)));
        request.setSslConfiguration(tls);
        replies << network.get(request);
    }
    const QDeadlineTimer deadline(60000);
    const auto allFinished = [&] {
        return std::all_of(replies.begin(), replies.end(), [](QNetworkReply* r) { return r->isFinished(); });
    };
    while (!allFinished() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_TRUE(allFinished());

    // Only an answer that tells the password was wrong has been through the hash.
    int checked = 0;
    for (QNetworkReply* reply : replies) {
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        EXPECT_EQ(answer.value(QStringLiteral("success")).toString(), QStringLiteral("false"));
        if (answer.value(QStringLiteral("message")).toString() == QStringLiteral("Incorrect e-mail or password."))
            ++checked;
        reply->deleteLater();
    }
    EXPECT_GE(checked, 1);
    EXPECT_LE(checked, 10);
}

TEST_P(AccountdServiceTest, SqlInEveryFieldIsJustText)
{
    // Wrong passwords for mallory make her wait; not for long here.
    m_environment.insert(QStringLiteral("TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS"), QStringLiteral("10"));
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("mallory"), QStringLiteral("mallory@example.org"),
                           QStringLiteral("secret123"));
    const QStringList attacks{
        QStringLiteral("' OR '1'='1"),
        QStringLiteral("' OR 1=1 --"),
        QStringLiteral("\"; DROP TABLE users; --"),
        QStringLiteral("x'); DELETE FROM users; --"),
        QStringLiteral("mallory@example.org' --"),
        QStringLiteral("' UNION SELECT id, username, email, password_hash, 1 FROM users --"),
        QStringLiteral("\\'; UPDATE users SET confirmed = 1; --"),
        QStringLiteral("%' OR email_key LIKE '%"),
    };
    // Each attack comes from an address of its own, so that the failed sign-ins do not
    // reach the per-client limit.
    int client = 0;
    for (const QString& attack : attacks) {
        const QString from = QStringLiteral("127.0.1.%1").arg(++client);
        const QString asAddress = QString(attack).remove(u' ') + QStringLiteral("@example.org");
        EXPECT_EQ(loginFrom(from, attack, QStringLiteral("secret123")).success(), QStringLiteral("false"))
            << qPrintable(attack);
        EXPECT_EQ(loginFrom(from, asAddress, QStringLiteral("secret123")).success(), QStringLiteral("false"))
            << qPrintable(attack);
        EXPECT_EQ(loginFrom(from, QStringLiteral("mallory@example.org"), attack).success(),
                  QStringLiteral("false"));
        // "false" when the address is not even well formed (a second '@').
        const QString confirmed = emailConfirm(asAddress).success();
        EXPECT_TRUE(confirmed == QStringLiteral("true") || confirmed == QStringLiteral("false"))
            << qPrintable(attack);
        EXPECT_EQ(resetPassword(attack, QStringLiteral("mallory@example.org"), QStringLiteral("newsecret456"))
                      .success(),
                  QStringLiteral("false"));
        EXPECT_EQ(resetPassword(QStringLiteral("123456"), asAddress, attack + u'1').success(),
                  QStringLiteral("false"));
        EXPECT_EQ(m_client->get(QStringLiteral("/api/mac_user/confirm"), {{QStringLiteral("token"), attack}})
                      .status,
                  400);
    }
    EXPECT_EQ(m_service->mails().size(), 1) << "no code went anywhere";

    // As a user name, an attack is a name like any other, stored as it came.
    const QString name = attacks[3];
    ASSERT_EQ(
        registerAccount(name, QStringLiteral("quoted'name@example.org"), QStringLiteral("secret123' --1"))
            .success(),
        QStringLiteral("true"));
    m_client->getUrl(confirmLinkIn(lastMail()));
    const AccountdClient::Reply quoted =
        loginFrom(QStringLiteral("127.0.2.1"), QStringLiteral("quoted'name@example.org"),
                  QStringLiteral("secret123' --1"));
    EXPECT_EQ(quoted.success(), QStringLiteral("true"));
    EXPECT_EQ(
        quoted.json.value(QStringLiteral("userinfo")).toObject().value(QStringLiteral("username")).toString(),
        name);
    EXPECT_EQ(registerAccount(name, QStringLiteral("x@example.org"), QStringLiteral("secret123")).success(),
              QStringLiteral("username"));

    EXPECT_EQ(loginAfterDelay(QStringLiteral("127.0.2.1"), QStringLiteral("mallory@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("true"))
        << "the table and its rows are whole";
}

TEST_P(AccountdServiceTest, HttpErrorsAnswerJsonAndTheLogKeepsNoQueries)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    const AccountdClient::Reply missing = m_client->get(QStringLiteral("/api/mac_user/unknown"));
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.success(), QStringLiteral("false"));
    EXPECT_EQ(m_client->get(QStringLiteral("/")).status, 404);

    const AccountdClient::Reply posted =
        m_client->raw("POST /api/mac_user/login HTTP/1.1\r\nHost: localhost\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(posted.status, 405);
    EXPECT_EQ(posted.success(), QStringLiteral("false"));

    const AccountdClient::Reply longUrl = m_client->raw(
        "GET /api/mac_user/login?email=" + QByteArray(10000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(longUrl.status, 413);
    EXPECT_EQ(longUrl.success(), QStringLiteral("false"));
    const AccountdClient::Reply body = m_client->raw(
        "GET /legal HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n" + QByteArray(2000, 'b'));
    EXPECT_EQ(body.status, 413);

    EXPECT_EQ(m_client->raw("GARBAGE\r\n\r\n").status, 400);
    EXPECT_EQ(m_client->raw("GET /legal HTTP/2.0\r\n\r\n").status, 505);
    const AccountdClient::Reply malformed =
        m_client->raw("GET /api/mac_user/login?%%%&&==%zz HTTP/1.1\r\n\r\n");
    EXPECT_EQ(malformed.status, 200);
    EXPECT_EQ(malformed.success(), QStringLiteral("false"));

    const AccountdClient::Reply legal = m_client->get(QStringLiteral("/legal"));
    EXPECT_EQ(legal.status, 200);
    EXPECT_TRUE(legal.body.contains("<h1>Tableclick: terms of use</h1>"));

    ASSERT_EQ(registerAccount(QStringLiteral("nina"), QStringLiteral("nina@example.org"),
                              QStringLiteral("hunter2secret"))
                  .success(),
              QStringLiteral("true"));
    const QString token = confirmLinkIn(lastMail()).section(u'=', 1);
    ASSERT_EQ(m_client->getUrl(confirmLinkIn(lastMail())).status, 200);
    login(QStringLiteral("nina@example.org"), QStringLiteral("hunter2secret"));
    const QString code = requestCode(QStringLiteral("nina@example.org"));

    const QByteArray log = m_service->log();
    EXPECT_TRUE(log.contains("GET /api/mac_user/login 200 ")) << log.constData();
    EXPECT_TRUE(log.contains("POST /api/mac_user/login 405 "));
    EXPECT_TRUE(log.contains("GET /api/mac_user/unknown 404 "));
    for (const QByteArray& secret :
         {QByteArray("hunter2secret"), QByteArray("nina@example.org"), token.toLatin1(), code.toLatin1(),
          QByteArray("?"), QByteArray("email=")})
        EXPECT_FALSE(log.contains(secret)) << secret.constData();
}

TEST_P(AccountdServiceTest, TwoInstancesStartedTogetherShareOneDatabase)
{
    // Both create (or find) the schema at the same moment, then serve the same accounts.
    QTemporaryDir otherDir;
    const QString database = m_databaseUrl.isEmpty()
                                 ? QStringLiteral("sqlite:") + m_dir.path() + QStringLiteral("/shared.sqlite")
                                 : m_databaseUrl;
    AccountdProcess first(m_dir.path());
    AccountdProcess second(otherDir.path());
    const QStringList arguments{QStringLiteral("--rate-limit"), QStringLiteral("0"),
                                QStringLiteral("--database"), database};
    first.launch(arguments);
    second.launch(arguments);
    QString log;
    ASSERT_TRUE(first.waitUntilReady(&log)) << qPrintable(log);
    ASSERT_TRUE(second.waitUntilReady(&log)) << qPrintable(log);
    AccountdClient one(first.origin(), first.certPath());
    AccountdClient two(second.origin(), second.certPath());

    ASSERT_EQ(one.get(kRegister, {{QStringLiteral("username"), QStringLiteral("rita")},
                                  {QStringLiteral("email"), QStringLiteral("rita@example.org")},
                                  {QStringLiteral("password"), QStringLiteral("secret123")}})
                  .success(),
              QStringLiteral("true"));
    const QString link =
        confirmLinkIn(first.mails().value(0))
            .replace(QStringLiteral("https://localhost:%1").arg(first.port()), second.origin());
    EXPECT_EQ(two.getUrl(link).status, 200) << "the other instance knows the link";
    EXPECT_EQ(two.get(kRegister, {{QStringLiteral("username"), QStringLiteral("RITA")},
                                  {QStringLiteral("email"), QStringLiteral("r2@example.org")},
                                  {QStringLiteral("password"), QStringLiteral("secret123")}})
                  .success(),
              QStringLiteral("username"));
    EXPECT_EQ(two.get(kLogin, {{QStringLiteral("email"), QStringLiteral("rita@example.org")},
                               {QStringLiteral("password"), QStringLiteral("secret123")}})
                  .success(),
              QStringLiteral("true"));
    EXPECT_EQ(first.stop(), 0);
    EXPECT_EQ(second.stop(), 0);
}

TEST_P(AccountdServiceTest, AMailThatCannotBeSentTakesTheRegistrationBack)
{
    // Nothing listens on port 1: the SMTP server refuses every mail.
    ASSERT_NO_FATAL_FAILURE(startService({QStringLiteral("--smtp"), QStringLiteral("smtp://127.0.0.1:1")}));
    EXPECT_EQ(registerAccount(QStringLiteral("quinn"), QStringLiteral("quinn@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("false"));
    ASSERT_NO_FATAL_FAILURE(startService());
    EXPECT_EQ(registerAccount(QStringLiteral("quinn"), QStringLiteral("quinn@example.org"),
                              QStringLiteral("secret123"))
                  .success(),
              QStringLiteral("true"))
        << "neither the name nor the address was kept";
    EXPECT_EQ(m_service->mails().size(), 1);
}

TEST_P(AccountdServiceTest, ACrashDuringSignUpOrConfirmationLeavesNoHalfMadeAccount)
{
    const QString email = QStringLiteral("vera@example.org");
    const QString password = QStringLiteral("secret123");
    const auto restartAfterCrash = [this] {
        EXPECT_EQ(m_service->stop(), 70) << "the service did not stop at the crash point";
        m_service.reset();
        startService();
    };

    ASSERT_NO_FATAL_FAILURE(startService({}, QStringLiteral("register")));
    EXPECT_EQ(registerAccount(QStringLiteral("vera"), email, password).status, 0);
    ASSERT_NO_FATAL_FAILURE(restartAfterCrash());
    ASSERT_EQ(registerAccount(QStringLiteral("vera"), email, password).success(), QStringLiteral("true"))
        << "the name or the address was kept";
    const QString link = confirmLinkIn(lastMail());
    ASSERT_FALSE(link.isEmpty());
    // The link names the port of the service that mailed it.
    const auto onCurrentService = [this, &link]() -> QString { return m_service->origin() + u'/' + link.section(u'/', 3); };

    m_service->stop();
    m_service.reset();
    ASSERT_NO_FATAL_FAILURE(startService({}, QStringLiteral("confirm")));
    EXPECT_EQ(m_client->getUrl(onCurrentService()).status, 0);
    ASSERT_NO_FATAL_FAILURE(restartAfterCrash());
    EXPECT_EQ(m_client->getUrl(onCurrentService()).status, 200) << "the link was used up, the account not confirmed";
    EXPECT_EQ(login(email, password).success(), QStringLiteral("true"));
}

TEST_P(AccountdServiceTest, PasswordsThatAreNotUtf8AreRefusedNotConflated)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    const AccountdClient::Reply refused = m_client->getUrl(
        m_service->origin() + kRegister + QStringLiteral("?username=wes&email=wes%40example.org&password=secret123%FF"));
    EXPECT_EQ(refused.success(), QStringLiteral("false"));
    EXPECT_TRUE(refused.json.value(QStringLiteral("message")).toString().contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(m_service->mails().isEmpty());
}

TEST_P(AccountdServiceTest, TheRateLimitAnswers429)
{
    ASSERT_NO_FATAL_FAILURE(startService({QStringLiteral("--rate-limit"), QStringLiteral("5")}));
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(m_client->get(QStringLiteral("/legal")).status, 200);
    const AccountdClient::Reply limited = m_client->get(QStringLiteral("/legal"));
    EXPECT_EQ(limited.status, 429);
    EXPECT_EQ(limited.success(), QStringLiteral("false"));
}

TEST_P(AccountdServiceTest, HashingDoesNotHoldUpOtherRequests)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("olga"), QStringLiteral("olga@example.org"),
                           QStringLiteral("secret123"));

    // Four sign-ins at once keep both workers busy for a while; a request that needs no
    // hashing, on a connection of its own, is answered before any of them.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    const auto request = [&](QNetworkAccessManager& network, const QString& pathAndQuery) {
        QNetworkRequest r(QUrl(m_service->origin() + pathAndQuery));
        r.setSslConfiguration(tls);
        return network.get(r);
    };
    QNetworkAccessManager network;
    QNetworkAccessManager other;
    QList<QNetworkReply*> logins;
    for (int i = 0; i < 4; ++i)
        logins << request(network, kLogin + QStringLiteral("?email=olga%40example.org&password=secret123"));
    QNetworkReply* quick = request(other, QStringLiteral("/nothing-here"));

    int finishedLogins = 0;
    int loginsBeforeQuick = -1;
    QObject::connect(quick, &QNetworkReply::finished, quick, [&] { loginsBeforeQuick = finishedLogins; });
    for (QNetworkReply* reply : logins)
        QObject::connect(reply, &QNetworkReply::finished, reply, [&] { ++finishedLogins; });
    const QDeadlineTimer deadline(60000);
    while ((loginsBeforeQuick < 0 || finishedLogins < logins.size()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(loginsBeforeQuick, 0) << "the 404 waited for hashing";
    EXPECT_EQ(quick->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
    for (QNetworkReply* reply : logins) {
        EXPECT_TRUE(reply->readAll().contains("\"success\":\"true\""));
        reply->deleteLater();
    }
    quick->deleteLater();
}

TEST_P(AccountdServiceTest, AnAddressWithHashesQueuedDoesNotHoldUpAnotherAddressesSignIn)
{
    ASSERT_NO_FATAL_FAILURE(startService({QStringLiteral("--workers"), QStringLiteral("2")}));
    createConfirmedAccount(QStringLiteral("rosa"), QStringLiteral("rosa@example.org"),
                           QStringLiteral("secret123"));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    const auto connectFrom = [&](const QString& address) {
        auto socket = std::make_unique<QSslSocket>();
        socket->setSslConfiguration(tls);
        socket->setPeerVerifyName(QStringLiteral("localhost"));
        EXPECT_TRUE(socket->bind(QHostAddress(address)));
        socket->connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
        EXPECT_TRUE(socket->waitForEncrypted(10000)) << qPrintable(socket->errorString());
        // Our last handshake message waits for the event loop; the service counts the handshake
        // as under way, and holds back more from this address, until it comes.
        socket->flush();
        return socket;
    };
    // As many connections as one address may hold, each asking for a code: a hash apiece.
    std::vector<std::unique_ptr<QSslSocket>> flood;
    for (int i = 0; i < 16; ++i)
        flood.push_back(connectFrom(QStringLiteral("127.0.0.5")));
    const std::unique_ptr<QSslSocket> signer = connectFrom(QStringLiteral("127.0.0.6"));
    for (const auto& socket : flood)
        socket->write("GET /api/mac_user/email_confirm?email=nobody%40example.org HTTP/1.1\r\nHost: localhost\r\n\r\n");

    const auto answered = [&] {
        return std::count_if(flood.begin(), flood.end(), [](const auto& s) { return s->bytesAvailable() > 0; });
    };
    const auto waitUntil = [](const std::function<bool()>& done) {
        const QDeadlineTimer deadline(60000);
        while (!done() && !deadline.hasExpired()) {
            QEventLoop loop;
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return done();
    };
    // The first answer comes after a hash: by then every request of the flood is queued.
    ASSERT_TRUE(waitUntil([&] { return answered() > 0; }));
    const auto before = answered();
    signer->write("GET /api/mac_user/login?email=rosa%40example.org&password=secret123 HTTP/1.1\r\nHost: "
                  "localhost\r\n\r\n");
    ASSERT_TRUE(waitUntil([&] { return signer->bytesAvailable() > 0; }));
    EXPECT_TRUE(signer->readAll().contains("\"success\":\"true\""));
    // Both workers are hashing for the flood when the sign-in comes: it takes the first to
    // come free, while the other finishes one, or two with bad luck.
    EXPECT_LE(answered() - before, 3) << "the sign-in waited behind the other address's queue";
}

TEST_P(AccountdServiceTest, SigtermFinishesTheRequestsInHand)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(QStringLiteral("pat"), QStringLiteral("pat@example.org"),
                           QStringLiteral("secret123"));
    QNetworkAccessManager network;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    QList<QNetworkReply*> logins;
    for (int i = 0; i < 4; ++i) {
        QNetworkRequest r(QUrl(m_service->origin() + kLogin +
                               QStringLiteral("?email=pat%40example.org&password=secret123")));
        r.setSslConfiguration(tls);
        logins << network.get(r);
    }
    // Wait until the service has the requests, then stop it while it hashes.
    QDeadlineTimer deadline(30000);
    while (!m_service->log().contains("GET /api/mac_user/login 200") && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_EQ(m_service->stop(), 0);
    int answered = 0;
    for (QNetworkReply* reply : logins) {
        if (!reply->isFinished()) {
            QEventLoop loop;
            QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        answered += reply->readAll().contains("\"success\":\"true\"") ? 1 : 0;
        reply->deleteLater();
    }
    EXPECT_EQ(answered, 4);
}

TEST_P(AccountdServiceTest, AClientThatDoesNotReadItsAnswersIsNotGivenMore)
{
    // AddressSanitizer keeps freed memory aside, which would count as resident here.
    ASSERT_NO_FATAL_FAILURE(startService({}, QString(), QStringLiteral("quarantine_size_mb=0")));
    const qint64 before = m_service->residentKiB();
    ASSERT_GT(before, 0);

    // Pipelined requests, and a client that takes in no more than a few bytes of the answers.
    QSslSocket socket;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    socket.setSslConfiguration(tls);
    socket.setPeerVerifyName(QStringLiteral("localhost"));
    socket.setReadBufferSize(4096);
    socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
    ASSERT_TRUE(socket.waitForEncrypted(10000));
    const QByteArray request = "GET /legal HTTP/1.1\r\nHost: localhost\r\n\r\n";
    socket.write(request.repeated(30000));

    // Until the service stops answering: its log has not grown for two seconds.
    qint64 peak = before;
    qsizetype answered = -1;
    QElapsedTimer quiet;
    quiet.start();
    const QDeadlineTimer deadline(120000);
    while (quiet.elapsed() < 2000 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        QThread::msleep(50);
        peak = qMax(peak, m_service->residentKiB());
        const qsizetype now = m_service->log().count("GET /legal 200");
        if (now != answered) {
            answered = now;
            quiet.restart();
        }
    }
    EXPECT_LT(answered, 30000) << "every answer was made, with nobody to take it";
    EXPECT_LT(peak - before, 16 * 1024) << "KiB more than idle, after " << answered << " answers";
}

TEST_P(AccountdServiceTest, ConnectionsThatNeverStartTlsDoNotShutOthersOut)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    std::vector<std::unique_ptr<QTcpSocket>> silent;
    for (int i = 0; i < 80; ++i) {
        silent.push_back(std::make_unique<QTcpSocket>());
        ASSERT_TRUE(silent.back()->bind(QHostAddress(QStringLiteral("127.0.0.9"))));
        silent.back()->connectToHost(QStringLiteral("127.0.0.1"), m_service->port());
    }
    for (const auto& socket : silent)
        ASSERT_TRUE(socket->waitForConnected(5000));

    // Their handshakes would time out after ten seconds; a client elsewhere must not wait that long.
    QSslSocket client;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(m_service->certPath()));
    client.setSslConfiguration(tls);
    client.setPeerVerifyName(QStringLiteral("localhost"));
    client.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
    EXPECT_TRUE(client.waitForEncrypted(4000));
    EXPECT_EQ(m_client->get(QStringLiteral("/legal")).status, 200);
}

INSTANTIATE_TEST_SUITE_P(Storage, AccountdServiceTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgresql), [](const auto& info) {
                             return info.param == Backend::Sqlite ? std::string("Sqlite")
                                                                  : std::string("Postgresql");
                         });

} // namespace
