// The real tableclick-accountd, over HTTPS on a free port, once with SQLite and once with a
// throwaway PostgreSQL cluster where the database matters.
#include "AccountdClient.h"
#include "AccountdProcess.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <pwd.h>
#include <string>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace Qt::StringLiterals;
using Reply = AccountdClient::Reply;

// A throwaway PostgreSQL cluster: initdb in a temporary folder, a server on a Unix socket in it,
// stopped and removed at the end. As root, run as "postgres": the server refuses to run as root.
class PostgresCluster
{
public:
    ~PostgresCluster()
    {
        // SIGINT is PostgreSQL's fast shutdown; through setpriv the signal reaches it directly.
        if (m_server.state() != QProcess::NotRunning &&
            ::kill(static_cast<pid_t>(m_server.processId()), SIGINT) == 0)
            m_server.waitForFinished(30000);
    }
    // Empty when the server is up, otherwise why it is not.
    QString start()
    {
        for (const QString& version :
             QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFileInfo::exists(u"/usr/lib/postgresql/%1/bin/initdb"_s.arg(version)))
                m_bin = u"/usr/lib/postgresql/%1/bin/"_s.arg(version);
        }
        if (m_bin.isEmpty())
            return u"no PostgreSQL server (scripts/install-deps --test installs it)"_s;
        if (const passwd* user = ::geteuid() == 0 ? ::getpwnam("postgres") : nullptr) {
            m_asPostgres = true;
            if (::chown(qPrintable(m_dir.path()), user->pw_uid, user->pw_gid) != 0)
                return u"cannot hand the cluster's folder to postgres"_s;
        }
        const QString data = m_dir.path() + u"/data"_s;
        if (QString error =
                run(u"initdb -D %1 -U accountd --auth=trust --no-sync -E UTF8 --locale=C"_s.arg(data));
            !error.isEmpty())
            return error;
        const QStringList server = command(
            u"postgres -D %1 -k %2 -p 5432 -c listen_addresses= -c fsync=off -c full_page_writes=off"_s.arg(
                data, m_dir.path()));
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(server.front(), server.mid(1));
        for (const QDeadlineTimer deadline(60000);
             !deadline.hasExpired() && m_server.state() != QProcess::NotRunning; QThread::msleep(100)) {
            if (run(u"pg_isready -q -h %1 -p 5432"_s.arg(m_dir.path())).isEmpty())
                return {};
        }
        return u"the PostgreSQL server did not come up: "_s + QString::fromLocal8Bit(m_server.readAll());
    }
    // A new empty database and the --database URL that names it.
    QString createDatabase(const QString& name, QString* error) const
    {
        *error = run(u"createdb -h %1 -p 5432 -U accountd %2"_s.arg(m_dir.path(), name));
        return u"postgresql://accountd@localhost:5432/%1?host=%2"_s.arg(name, m_dir.path());
    }

private:
    // setpriv execs the program in place; its death signal stops a server a crashed test leaves.
    QStringList command(const QString& line) const
    {
        QStringList command{u"setpriv"_s, u"--pdeathsig=SIGINT"_s};
        if (m_asPostgres)
            command << u"--reuid=postgres"_s << u"--regid=postgres"_s << u"--init-groups"_s;
        return command << u"--"_s << m_bin + line.section(u' ', 0, 0) << line.section(u' ', 1).split(u' ');
    }
    // Empty when the program succeeded, otherwise its command and output.
    QString run(const QString& line) const
    {
        const QStringList command = this->command(line);
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(command.front(), command.mid(1));
        if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return {};
        return command.join(u' ') + u" failed: "_s + QString::fromLocal8Bit(process.readAll());
    }

    QTemporaryDir m_dir{QDir::tempPath() + u"/tableclick-pg-XXXXXX"_s};
    QString m_bin;
    QProcess m_server;
    bool m_asPostgres = false;
};

const QString kPassword = u"secret123"_s;
const QString kNewPassword = u"newsecret456"_s;

// The parameter names the database: "Sqlite" or "Postgresql".
class AccountdServiceTest : public ::testing::TestWithParam<std::string>
{
protected:
    static void TearDownTestSuite() { s_cluster.reset(); }
    static QString confirmLinkIn(const QByteArray& mail)
    {
        static const QRegularExpression link(u"https://\\S+/api/mac_user/confirm\\?token=[A-Za-z0-9_-]+"_s);
        return link.match(QString::fromUtf8(mail)).captured(0);
    }
    static QString codeIn(const QByteArray& mail)
    {
        return QRegularExpression(u"\\n    (\\d{6})\\r?\\n"_s).match(QString::fromUtf8(mail)).captured(1);
    }
    static QString otherCode(const QString& code)
    {
        return u"%1"_s.arg((code.toInt() + 1) % 1000000, 6, 10, QLatin1Char('0'));
    }
    static QString message(const Reply& reply) { return reply.json.value(u"message"_s).toString(); }
    static QString username(const Reply& reply)
    {
        return reply.json.value(u"userinfo"_s)[u"username"_s].toString();
    }
    static bool delayed(const Reply& reply) { return message(reply).contains(u"try again in"_s); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        if (GetParam() != "Postgresql")
            return;
        if (!s_cluster) {
            s_cluster = std::make_unique<PostgresCluster>();
            s_clusterError = s_cluster->start();
        }
        if (!s_clusterError.isEmpty())
            GTEST_SKIP() << qPrintable(s_clusterError);
        static int databases = 0;
        QString error;
        m_databaseUrl = s_cluster->createDatabase(u"accounts%1"_s.arg(++databases), &error);
        ASSERT_FALSE(m_databaseUrl.isEmpty()) << qPrintable(error);
    }

    // Starts (or restarts) the service on the test's data folder, with NAME=value in its
    // environment. No request limit unless a test asks for one: the suite sends far more than a
    // person would.
    void startService(const QStringList& extra = {}, const QStringList& environment = {})
    {
        if (m_service)
            ASSERT_EQ(m_service->stop(), 0);
        m_service = std::make_unique<AccountdProcess>(m_dir.path());
        for (const QString& setting : environment)
            m_service->setEnvironmentVariable(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QStringList arguments{u"--rate-limit"_s, u"0"_s};
        if (!m_databaseUrl.isEmpty())
            arguments << u"--database"_s << m_databaseUrl;
        QString log;
        ASSERT_TRUE(m_service->start(arguments + extra, &log)) << qPrintable(log);
        m_client = std::make_unique<AccountdClient>(m_service->origin(), m_service->certPath());
    }

    Reply api(const QString& name, const AccountdClient::Query& query)
    {
        return m_client->get(u"/api/mac_user/"_s + name, query);
    }
    Reply registerAccount(const QString& username, const QString& email, const QString& password = kPassword)
    {
        return api(u"register"_s,
                   {{u"username"_s, username}, {u"email"_s, email}, {u"password"_s, password}});
    }
    Reply login(const QString& email, const QString& password = kPassword)
    {
        return api(u"login"_s, {{u"email"_s, email}, {u"password"_s, password}});
    }
    Reply emailConfirm(const QString& email) { return api(u"email_confirm"_s, {{u"email"_s, email}}); }
    Reply resetPassword(const QString& code, const QString& email, const QString& password = kNewPassword)
    {
        return api(u"reset_password"_s,
                   {{u"confirm_code"_s, code}, {u"email"_s, email}, {u"new_password"_s, password}});
    }
    // A raw login from a chosen local address (the whole of 127/8 is this machine).
    Reply loginFrom(const QString& address, const QString& email, const QString& password = kPassword)
    {
        const QByteArray query =
            AccountdClient::encodeQuery({{u"email"_s, email}, {u"password"_s, password}});
        return m_client->raw("GET /api/mac_user/login?" + query + " HTTP/1.1\r\nHost: localhost\r\n\r\n",
                             address);
    }
    // Waits out the account's delay, as a client that reads the answer would.
    Reply loginAfterDelay(const QString& from, const QString& email, const QString& password = kPassword)
    {
        Reply reply = loginFrom(from, email, password);
        for (const QDeadlineTimer deadline(60000); delayed(reply) && !deadline.hasExpired();
             QThread::msleep(20))
            reply = loginFrom(from, email, password);
        return reply;
    }

    QByteArray lastMail() const { return m_service->mails().value(m_service->mails().size() - 1); }
    qsizetype mailCount() const { return m_service->mails().size(); }

    void createConfirmedAccount(const QString& username, const QString& email,
                                const QString& password = kPassword)
    {
        ASSERT_EQ(registerAccount(username, email, password).success(), "true");
        const QString link = confirmLinkIn(lastMail());
        ASSERT_FALSE(link.isEmpty());
        ASSERT_EQ(m_client->getUrl(link).status, 200);
    }

    QString requestCode(const QString& email)
    {
        const qsizetype before = mailCount();
        EXPECT_EQ(emailConfirm(email).success(), "true");
        EXPECT_EQ(mailCount(), before + 1);
        return codeIn(lastMail());
    }

    QNetworkReply* fetch(QNetworkAccessManager& network, const QString& pathAndQuery) const
    {
        QNetworkRequest request(QUrl(m_service->origin() + pathAndQuery));
        request.setSslConfiguration(m_client->tls());
        return network.get(request);
    }
    // A TLS connection of its own, from the given local address when there is one.
    std::unique_ptr<QSslSocket> connectTls(const QString& from = {}) const
    {
        auto socket = std::make_unique<QSslSocket>();
        socket->setSslConfiguration(m_client->tls());
        socket->setPeerVerifyName(u"localhost"_s);
        EXPECT_TRUE(from.isEmpty() || socket->bind(QHostAddress(from)));
        socket->connectToHostEncrypted(u"127.0.0.1"_s, m_service->port());
        return socket;
    }

    inline static std::unique_ptr<PostgresCluster> s_cluster;
    inline static QString s_clusterError;
    QTemporaryDir m_dir;
    QString m_databaseUrl;
    std::unique_ptr<AccountdProcess> m_service;
    std::unique_ptr<AccountdClient> m_client;
};

// Where the database makes no difference: with SQLite only.
struct AccountdTrafficTest : AccountdServiceTest
{
};

// Catches a sign-up link not mailed or working twice, sign-in unconfirmed or with a wrong password.
TEST_P(AccountdServiceTest, RegisterMailsALinkThatConfirmsOnceThenOnlyTheRightPasswordSignsIn)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    EXPECT_EQ(registerAccount(u"Bob"_s, u"bob@example.org"_s).success(), "true");
    ASSERT_EQ(mailCount(), 1);
    EXPECT_TRUE(lastMail().contains("\r\nTo: bob@example.org\r\n"));
    const QString link = confirmLinkIn(lastMail());
    ASSERT_TRUE(link.startsWith(u"https://localhost:%1/"_s.arg(m_service->port()))) << qPrintable(link);

    const QString local = QString(link).replace(u"https://localhost:"_s, u"https://127.0.0.1:"_s);
    EXPECT_EQ(m_client->getUrl(local).status, 200);
    EXPECT_EQ(m_client->getUrl(local).status, 400) << "a link works once";

    ASSERT_EQ(registerAccount(u"dave"_s, u"dave@example.org"_s).success(), "true"); // unconfirmed
    const std::pair<const char*, const char*> refusals[] = {{"bob@example.org", "secret124"},
                                                            {"bob@example.org", "SECRET123"},
                                                            {"nobody@example.org", "secret123"},
                                                            {"dave@example.org", "secret123"}};
    for (const auto& [email, password] : refusals) {
        const Reply refused = login(QString::fromLatin1(email), QString::fromLatin1(password));
        EXPECT_EQ(refused.success(), "false") << email << ' ' << password;
        EXPECT_FALSE(refused.json.contains(u"userinfo"_s));
    }
    const Reply signedIn = login(u"BOB@example.ORG"_s);
    EXPECT_EQ(signedIn.success(), "true");
    EXPECT_EQ(username(signedIn), u"Bob"_s);
    EXPECT_EQ(signedIn.json.value(u"userinfo"_s).toObject().value(u"email"_s).toString(),
              u"bob@example.org"_s);
}

// Catches taken names, weak passwords or malformed fields accepted, taken addresses told apart.
TEST_P(AccountdServiceTest, RegisterAnswersTakenNamesAndAddressesWeakPasswordsAndMalformedQueries)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    ASSERT_EQ(registerAccount(u"erin"_s, u"erin@example.org"_s).success(), "true");
    EXPECT_EQ(registerAccount(u"ERIN"_s, u"other@example.org"_s).success(), "username");
    const Reply fresh = registerAccount(u"erin3"_s, u"erin3@example.org"_s);
    const Reply taken = registerAccount(u"erin2"_s, u"Erin@Example.org"_s);
    EXPECT_EQ(taken.success(), "true");
    EXPECT_EQ(message(taken), message(fresh));
    EXPECT_EQ(mailCount(), 3);
    EXPECT_TRUE(lastMail().contains("\r\nTo: erin@example.org\r\n")) << "the owner hears of it";
    EXPECT_EQ(registerAccount(u"frank"_s, u"frank@example.org"_s, u"short12"_s).success(), "password");

    // No password, an address twice, a password that is not UTF-8.
    QString said;
    for (const char* query : {"username=g&email=g%40example.org",
                              "username=g&email=g@example.org&email=h@example.org&password=secret123",
                              "username=wes&email=wes%40example.org&password=secret123%FF"}) {
        const Reply refused = m_client->get(u"/api/mac_user/register?"_s + QLatin1String(query));
        EXPECT_EQ(refused.status, 200) << query;
        EXPECT_EQ(refused.success(), "false") << query;
        said = message(refused);
    }
    EXPECT_TRUE(said.contains(u"UTF-8"_s)) << "refused, not conflated with another password";
    EXPECT_EQ(mailCount(), 3) << "refused registrations do not mail";

    const QString odd = u"p+ss &w%rd=1 ü"_s;
    createConfirmedAccount(u"Grün Ödön"_s, u"g.o+tag@example.org"_s, odd);
    const Reply signedIn = login(u"g.o+tag@example.org"_s, odd);
    EXPECT_EQ(signedIn.success(), "true");
    EXPECT_EQ(username(signedIn), u"Grün Ödön"_s);
    EXPECT_EQ(login(u"g.o+tag@example.org"_s, u"p ss &w%rd=1 ü"_s).success(), "false")
        << "'+' is a plus sign, not a space";
}

// Catches a wrong, spent, replaced or much guessed code taken, or codes for strangers or past the ration.
TEST_P(AccountdServiceTest, ResetTakesOnlyTheRightLiveCodeOnceAndCodesAreRationed)
{
    const QString heidi = u"heidi@example.org"_s;
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(u"heidi"_s, heidi);
    const qsizetype mailsBefore = mailCount();
    EXPECT_EQ(emailConfirm(u"stranger@example.org"_s).success(), "true")
        << "unknown addresses get the same answer";
    EXPECT_EQ(mailCount(), mailsBefore) << "but no mail";
    EXPECT_EQ(emailConfirm(u"no address"_s).success(), "false");

    const QString code = requestCode(heidi);
    ASSERT_EQ(code.size(), 6);
    EXPECT_TRUE(lastMail().contains("\r\nTo: heidi@example.org\r\n"));
    EXPECT_EQ(resetPassword(code, heidi, u"weak"_s).success(), "password");
    EXPECT_EQ(resetPassword(otherCode(code), heidi).success(), "false");
    EXPECT_EQ(resetPassword(code, u"stranger@example.org"_s).success(), "false");
    EXPECT_EQ(resetPassword(code, heidi).success(), "true")
        << "a wrong try and a weak password leave the code usable";
    EXPECT_EQ(resetPassword(code, heidi, u"another789"_s).success(), "false") << "a code works once";
    EXPECT_EQ(login(heidi).success(), "false");
    EXPECT_EQ(login(heidi, kNewPassword).success(), "true");

    const QString second = requestCode(heidi);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(resetPassword(otherCode(second), heidi, u"another789"_s).success(), "false");
    EXPECT_EQ(resetPassword(second, heidi, u"another789"_s).success(), "false")
        << "five wrong tries use it up";

    createConfirmedAccount(u"hugo"_s, u"hugo@example.org"_s);
    const QString third = requestCode(u"hugo@example.org"_s);
    const QString fourth = requestCode(u"hugo@example.org"_s);
    EXPECT_TRUE(third == fourth || resetPassword(third, u"hugo@example.org"_s).success() == u"false"_s)
        << "a new code replaces the old";
    EXPECT_EQ(resetPassword(fourth, u"hugo@example.org"_s).success(), "true");

    // Fresh codes bring no fresh guesses, and a fourth code in the hour is neither mailed nor told apart.
    const QString ivy = u"ivy@example.org"_s;
    createConfirmedAccount(u"ivy"_s, ivy);
    QString ivyCode;
    for (int round = 0; round < 3; ++round) {
        ivyCode = requestCode(ivy);
        ASSERT_EQ(ivyCode.size(), 6);
        for (int i = 0; i < 5 && round < 2; ++i)
            ASSERT_EQ(resetPassword(otherCode(ivyCode), ivy).success(), "false");
    }
    EXPECT_EQ(resetPassword(ivyCode, ivy).success(), "false");

    const qsizetype mails = mailCount();
    EXPECT_EQ(emailConfirm(ivy).success(), "true");
    EXPECT_EQ(emailConfirm(u"nobody@example.org"_s).json, emailConfirm(ivy).json);
    EXPECT_EQ(mailCount(), mails);
}

// Catches codes and links that never expire, and accounts or the schema lost across a restart.
TEST_P(AccountdServiceTest, CodesAndLinksExpireAndAccountsOutliveARestart)
{
    ASSERT_NO_FATAL_FAILURE(startService({u"--code-ttl"_s, u"1"_s, u"--link-ttl"_s, u"1"_s}));
    createConfirmedAccount(u"ivan"_s, u"ivan@example.org"_s);
    ASSERT_EQ(registerAccount(u"judy"_s, u"judy@example.org"_s).success(), "true");
    const QString link = confirmLinkIn(lastMail());
    const QString code = requestCode(u"ivan@example.org"_s);
    QThread::msleep(1500);
    EXPECT_EQ(resetPassword(code, u"ivan@example.org"_s).success(), "false");
    EXPECT_EQ(m_client->getUrl(link).status, 400);
    EXPECT_EQ(login(u"judy@example.org"_s).success(), "false");

    ASSERT_NO_FATAL_FAILURE(startService());
    EXPECT_EQ(login(u"ivan@example.org"_s).success(), "true");
    EXPECT_EQ(registerAccount(u"ivan"_s, u"ivan2@example.org"_s).success(), "username");
}

// Catches guesses that do not slow the account, or that lock out its owner or other accounts.
TEST_P(AccountdServiceTest, WrongPasswordsDelayTheAccountButLockOnlyTheGuessersAddress)
{
    const QString kim = u"kim@example.org"_s;
    const QString lee = u"lee@example.org"_s;
    ASSERT_NO_FATAL_FAILURE(startService({}, {u"TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS=100"_s}));
    createConfirmedAccount(u"kim"_s, kim);
    createConfirmedAccount(u"lee"_s, lee);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(message(loginAfterDelay(u"127.0.0.3"_s, kim, u"wrong1234"_s)),
                  u"Incorrect e-mail or password."_s);
    EXPECT_TRUE(delayed(loginFrom(u"127.0.0.2"_s, kim))) << "the owner waits too";
    EXPECT_EQ(loginAfterDelay(u"127.0.0.2"_s, kim).success(), "true") << "but is not locked out";

    const Reply guesser = loginAfterDelay(u"127.0.0.3"_s, kim);
    EXPECT_EQ(guesser.success(), "false");
    EXPECT_FALSE(delayed(guesser));
    EXPECT_EQ(loginFrom(u"127.0.0.3"_s, lee).success(), "true") << "locked for kim only";

    for (int i = 0; i < 5; ++i)
        loginAfterDelay(u"127.0.0.4"_s, kim, u"wrong1234"_s);
    ASSERT_EQ(resetPassword(requestCode(kim), kim).success(), "true");
    EXPECT_EQ(loginFrom(u"127.0.0.2"_s, kim, kNewPassword).success(), "true") << "a reset ends the delays";
}

// Catches wrong passwords sent all at once each getting a hash check, past the limit.
TEST_P(AccountdServiceTest, WrongPasswordsSentAtOnceGetNoMoreChecksThanTheLimit)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(u"quinn"_s, u"quinn@example.org"_s);
    QNetworkAccessManager network;
    QList<QNetworkReply*> replies;
    for (int i = 0; i < 16; ++i)
        replies << fetch(network, u"/api/mac_user/login?email=quinn%40example.org&password=wrong%1"_s.arg(i));
    ASSERT_TRUE(waitFor([&] { return std::ranges::all_of(replies, &QNetworkReply::isFinished); }, 60000));

    // Only an answer that tells the password was wrong has been through the hash.
    int checked = 0;
    for (QNetworkReply* reply : replies) {
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        EXPECT_EQ(answer.value(u"success"_s), u"false"_s);
        checked += answer.value(u"message"_s) == u"Incorrect e-mail or password."_s ? 1 : 0;
        reply->deleteLater();
    }
    EXPECT_GE(checked, 1);
    EXPECT_LE(checked, 10);
}

// Catches SQL in any field that is run rather than taken as text.
TEST_P(AccountdServiceTest, SqlInEveryFieldIsJustText)
{
    // Wrong passwords for mallory make her wait; not for long here.
    ASSERT_NO_FATAL_FAILURE(startService({}, {u"TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS=10"_s}));
    const QString mallory = u"mallory@example.org"_s;
    createConfirmedAccount(u"mallory"_s, mallory);
    const QStringList attacks{u"' OR '1'='1"_s,
                              u"\"; DROP TABLE users; --"_s,
                              u"mallory@example.org' --"_s,
                              u"x'); DELETE FROM users; --"_s,
                              u"\\'; UPDATE users SET confirmed = 1; --"_s,
                              u"%' OR email_key LIKE '%"_s};
    // Each attack comes from an address of its own: the failed sign-ins stay under the limit.
    int client = 0;
    for (const QString& attack : attacks) {
        const QString from = u"127.0.1.%1"_s.arg(++client);
        const QString asAddress = QString(attack).remove(u' ') + u"@example.org"_s;
        EXPECT_EQ(loginFrom(from, attack).success(), "false") << qPrintable(attack);
        EXPECT_EQ(loginFrom(from, asAddress).success(), "false") << qPrintable(attack);
        EXPECT_EQ(loginFrom(from, mallory, attack).success(), "false") << qPrintable(attack);
        const QString confirmed = emailConfirm(asAddress).success(); // "false" for a second '@'
        EXPECT_TRUE(confirmed == u"true"_s || confirmed == u"false"_s) << qPrintable(attack);
        EXPECT_EQ(resetPassword(attack, mallory).success(), "false");
        EXPECT_EQ(resetPassword(u"123456"_s, asAddress, attack + u'1').success(), "false");
        EXPECT_EQ(api(u"confirm"_s, {{u"token"_s, attack}}).status, 400);
    }
    EXPECT_EQ(mailCount(), 1) << "no code went anywhere";

    // As a user name, an attack is a name like any other, stored as it came.
    const QString name = attacks[3];
    ASSERT_EQ(registerAccount(name, u"quoted'name@example.org"_s, u"secret123' --1"_s).success(), "true");
    m_client->getUrl(confirmLinkIn(lastMail()));
    const Reply quoted = loginFrom(u"127.0.2.1"_s, u"quoted'name@example.org"_s, u"secret123' --1"_s);
    EXPECT_EQ(quoted.success(), "true");
    EXPECT_EQ(username(quoted), name);
    EXPECT_EQ(registerAccount(name, u"x@example.org"_s).success(), "username");
    EXPECT_EQ(loginAfterDelay(u"127.0.2.1"_s, mallory).success(), "true")
        << "the table and its rows are whole";
}

// Catches HTTP errors with the wrong status or no JSON, and secrets or queries in the log.
TEST_P(AccountdTrafficTest, HttpErrorsAnswerJsonAndTheLogKeepsNoQueries)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    const std::tuple<QByteArray, int, bool> cases[] = {
        {"GET /api/mac_user/unknown HTTP/1.1\r\nHost: localhost\r\n\r\n", 404, true},
        {"GET / HTTP/1.1\r\nHost: localhost\r\n\r\n", 404, false},
        {"POST /api/mac_user/login HTTP/1.1\r\nHost: localhost\r\nContent-Length: 0\r\n\r\n", 405, true},
        {"GET /api/mac_user/login?email=" + QByteArray(10000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n", 413,
         true},
        {"GET /api/mac_user/login?%%%&&==%zz HTTP/1.1\r\n\r\n", 200, true},
    };
    for (const auto& [request, status, json] : cases) {
        const Reply reply = m_client->raw(request);
        EXPECT_EQ(reply.status, status) << request.left(60).constData();
        EXPECT_TRUE(!json || reply.success() == u"false"_s) << request.left(60).constData();
    }

    ASSERT_EQ(registerAccount(u"nina"_s, u"nina@example.org"_s, u"hunter2secret"_s).success(), "true");
    const QString token = confirmLinkIn(lastMail()).section(u'=', 1);
    ASSERT_EQ(m_client->getUrl(confirmLinkIn(lastMail())).status, 200);
    login(u"nina@example.org"_s, u"hunter2secret"_s);
    const QString code = requestCode(u"nina@example.org"_s);

    const QByteArray log = m_service->log();
    for (const char* line :
         {"GET /api/mac_user/login 200 ", "POST /api/mac_user/login 405 ", "GET /api/mac_user/unknown 404 "})
        EXPECT_TRUE(log.contains(line)) << line << '\n' << log.constData();
    for (const QByteArray& secret :
         {QByteArray("hunter2secret"), QByteArray("nina@example.org"), token.toLatin1(), code.toLatin1(),
          QByteArray("?"), QByteArray("email=")})
        EXPECT_FALSE(log.contains(secret)) << secret.constData();
}

// Catches two instances that cannot both start on one new database, or do not share its accounts.
TEST_P(AccountdServiceTest, TwoInstancesStartedTogetherShareOneDatabase)
{
    QTemporaryDir otherDir;
    const QString database =
        m_databaseUrl.isEmpty() ? u"sqlite:"_s + m_dir.path() + u"/shared.sqlite"_s : m_databaseUrl;
    AccountdProcess first(m_dir.path());
    AccountdProcess second(otherDir.path());
    const QStringList arguments{u"--rate-limit"_s, u"0"_s, u"--database"_s, database};
    first.launch(arguments);
    second.launch(arguments);
    QString log;
    ASSERT_TRUE(first.waitUntilReady(&log)) << qPrintable(log);
    ASSERT_TRUE(second.waitUntilReady(&log)) << qPrintable(log);
    m_client = std::make_unique<AccountdClient>(first.origin(), first.certPath());
    ASSERT_EQ(registerAccount(u"rita"_s, u"rita@example.org"_s).success(), "true");

    m_client = std::make_unique<AccountdClient>(second.origin(), second.certPath());
    const QString link = confirmLinkIn(first.mails().value(0))
                             .replace(u"https://localhost:%1"_s.arg(first.port()), second.origin());
    EXPECT_EQ(m_client->getUrl(link).status, 200) << "the other instance knows the link";
    EXPECT_EQ(registerAccount(u"RITA"_s, u"r2@example.org"_s).success(), "username");
    EXPECT_EQ(login(u"rita@example.org"_s).success(), "true");
}

// Catches a sign-up kept (name and address taken) although its mail could not be sent, and a
// request limit that is not kept or not answered with 429 and JSON.
TEST_P(AccountdServiceTest, AFailedMailTakesTheRegistrationBackAndTheRateLimitAnswers429)
{
    // Nothing listens on port 1: the SMTP server refuses every mail.
    ASSERT_NO_FATAL_FAILURE(startService({u"--smtp"_s, u"smtp://127.0.0.1:1"_s}));
    EXPECT_EQ(registerAccount(u"quinn"_s, u"quinn@example.org"_s).success(), "false");
    ASSERT_NO_FATAL_FAILURE(startService({u"--rate-limit"_s, u"5"_s}));
    EXPECT_EQ(registerAccount(u"quinn"_s, u"quinn@example.org"_s).success(), "true")
        << "neither the name nor the address was kept";
    EXPECT_EQ(mailCount(), 1);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(m_client->get(u"/legal"_s).status, 200);
    const Reply limited = m_client->get(u"/legal"_s);
    EXPECT_EQ(limited.status, 429);
    EXPECT_EQ(limited.success(), "false");
}

// Catches a crash mid sign-up that keeps the name, or mid confirmation that spends the link.
TEST_P(AccountdServiceTest, ACrashDuringSignUpOrConfirmationLeavesNoHalfMadeAccount)
{
    const QString email = u"vera@example.org"_s;
    const auto restartAfterCrash = [this] {
        EXPECT_EQ(m_service->stop(), 70) << "the service did not stop at the crash point";
        m_service.reset();
        startService();
    };
    ASSERT_NO_FATAL_FAILURE(startService({}, {u"TABLECLICK_ACCOUNTD_CRASH_AT=register"_s}));
    EXPECT_EQ(registerAccount(u"vera"_s, email).status, 0);
    ASSERT_NO_FATAL_FAILURE(restartAfterCrash());
    ASSERT_EQ(registerAccount(u"vera"_s, email).success(), "true") << "the name or the address was kept";
    const QString link = confirmLinkIn(lastMail());
    ASSERT_FALSE(link.isEmpty());
    // The link names the port of the service that mailed it.
    const auto onCurrentService = [&]() -> QString {
        return m_service->origin() + u'/' + link.section(u'/', 3);
    };

    m_service->stop();
    m_service.reset();
    ASSERT_NO_FATAL_FAILURE(startService({}, {u"TABLECLICK_ACCOUNTD_CRASH_AT=confirm"_s}));
    EXPECT_EQ(m_client->getUrl(onCurrentService()).status, 0);
    ASSERT_NO_FATAL_FAILURE(restartAfterCrash());
    EXPECT_EQ(m_client->getUrl(onCurrentService()).status, 200)
        << "the link was used up, the account not confirmed";
    EXPECT_EQ(login(email).success(), "true");
}

// Catches hashing done on the thread that answers everybody, or a SIGTERM that drops the requests
// being hashed instead of answering them.
TEST_P(AccountdTrafficTest, HashingDoesNotHoldUpOtherRequestsAndSigtermFinishesIt)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    createConfirmedAccount(u"olga"_s, u"olga@example.org"_s);
    // Four sign-ins at once keep both workers busy for a while; a request that needs no
    // hashing, on a connection of its own, is answered before any of them.
    QNetworkAccessManager network;
    QNetworkAccessManager other;
    QList<QNetworkReply*> logins;
    for (int i = 0; i < 4; ++i)
        logins << fetch(network, u"/api/mac_user/login?email=olga%40example.org&password=secret123"_s);
    QNetworkReply* quick = fetch(other, u"/nothing-here"_s);
    int finishedLogins = 0;
    int loginsBeforeQuick = -1;
    QObject::connect(quick, &QNetworkReply::finished, quick, [&] { loginsBeforeQuick = finishedLogins; });
    for (QNetworkReply* reply : logins)
        QObject::connect(reply, &QNetworkReply::finished, reply, [&] { ++finishedLogins; });
    waitFor([&] { return loginsBeforeQuick >= 0; }, 60000);
    EXPECT_EQ(loginsBeforeQuick, 0) << "the 404 waited for hashing";
    EXPECT_EQ(quick->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
    quick->deleteLater();
    // The service has the sign-ins by the time one is answered; it is stopped while it hashes.
    waitFor([&] { return m_service->log().contains("GET /api/mac_user/login 200"); }, 30000);
    EXPECT_EQ(m_service->stop(), 0);
    waitFor([&] { return finishedLogins == logins.size(); }, 60000);
    for (QNetworkReply* reply : logins) {
        EXPECT_TRUE(reply->readAll().contains("\"success\":\"true\""));
        reply->deleteLater();
    }
}

// Catches one queue of hashing for all clients, where one address's flood delays another's sign-in.
TEST_P(AccountdTrafficTest, AnAddressWithHashesQueuedDoesNotHoldUpAnotherAddressesSignIn)
{
    ASSERT_NO_FATAL_FAILURE(startService({u"--workers"_s, u"2"_s}));
    createConfirmedAccount(u"rosa"_s, u"rosa@example.org"_s);
    const auto connectFrom = [&](const QString& address) {
        auto socket = connectTls(address);
        EXPECT_TRUE(socket->waitForEncrypted(10000)) << qPrintable(socket->errorString());
        // Our last handshake message waits for the event loop; the service counts the handshake
        // as under way, and holds back more from this address, until it comes.
        socket->flush();
        return socket;
    };
    // As many connections as one address may hold, each asking for a code: a hash apiece.
    std::vector<std::unique_ptr<QSslSocket>> flood;
    for (int i = 0; i < 16; ++i)
        flood.push_back(connectFrom(u"127.0.0.5"_s));
    const std::unique_ptr<QSslSocket> signer = connectFrom(u"127.0.0.6"_s);
    for (const auto& socket : flood)
        socket->write(
            "GET /api/mac_user/email_confirm?email=nobody%40example.org HTTP/1.1\r\nHost: localhost\r\n\r\n");
    const auto answered = [&] {
        return std::count_if(flood.begin(), flood.end(),
                             [](const auto& s) { return s->bytesAvailable() > 0; });
    };
    // The first answer comes after a hash: by then every request of the flood is queued.
    ASSERT_TRUE(waitFor([&] { return answered() > 0; }, 60000));
    const auto before = answered();
    signer->write("GET /api/mac_user/login?email=rosa%40example.org&password=secret123 HTTP/1.1\r\nHost: "
                  "localhost\r\n\r\n");
    ASSERT_TRUE(waitFor([&] { return signer->bytesAvailable() > 0; }, 60000));
    EXPECT_TRUE(signer->readAll().contains("\"success\":\"true\""));
    // Both workers are hashing for the flood when the sign-in comes: it takes the first to
    // come free, while the other finishes one, or two with bad luck.
    EXPECT_LE(answered() - before, 3) << "the sign-in waited behind the other address's queue";
}

// Catches answers made and kept in memory for a client that does not read them.
TEST_P(AccountdTrafficTest, AClientThatDoesNotReadItsAnswersIsNotGivenMore)
{
    // AddressSanitizer keeps freed memory aside, which would count as resident here.
    ASSERT_NO_FATAL_FAILURE(startService(
        {}, {u"ASAN_OPTIONS=%1:quarantine_size_mb=0"_s.arg(qEnvironmentVariable("ASAN_OPTIONS"))}));
    const qint64 before = m_service->residentKiB();
    ASSERT_GT(before, 0);
    // Pipelined requests, and a client that takes in no more than a few bytes of the answers.
    const auto socket = connectTls();
    socket->setReadBufferSize(4096);
    ASSERT_TRUE(socket->waitForEncrypted(10000));
    socket->write(QByteArray("GET /legal HTTP/1.1\r\nHost: localhost\r\n\r\n").repeated(30000));

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

// Catches connections that never start TLS holding every slot until their handshakes time out.
TEST_P(AccountdTrafficTest, ConnectionsThatNeverStartTlsDoNotShutOthersOut)
{
    ASSERT_NO_FATAL_FAILURE(startService());
    std::vector<std::unique_ptr<QTcpSocket>> silent;
    for (int i = 0; i < 80; ++i) {
        silent.push_back(std::make_unique<QTcpSocket>());
        ASSERT_TRUE(silent.back()->bind(QHostAddress(u"127.0.0.9"_s)));
        silent.back()->connectToHost(u"127.0.0.1"_s, m_service->port());
    }
    for (const auto& socket : silent)
        ASSERT_TRUE(socket->waitForConnected(5000));
    // Their handshakes would time out after ten seconds; a client elsewhere must not wait that long.
    EXPECT_TRUE(connectTls()->waitForEncrypted(4000));
    EXPECT_EQ(m_client->get(u"/legal"_s).status, 200);
}

INSTANTIATE_TEST_SUITE_P(Storage, AccountdServiceTest, ::testing::Values("Sqlite", "Postgresql"),
                         [](const auto& info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(Storage, AccountdTrafficTest, ::testing::Values("Sqlite"),
                         [](const auto& info) { return info.param; });

} // namespace
