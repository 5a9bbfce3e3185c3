#include "accountd/AccountdOptions.h"

#include <gtest/gtest.h>

namespace {
using namespace Qt::StringLiterals;

AccountdCommandLine parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("tableclick-accountd"));
    return parseAccountdCommandLine(arguments, QStringLiteral("/home/u/.local/share"));
}

// Catches defaults that store data outside its folder, listen beyond this machine, or miss the port.
TEST(AccountdOptionsTest, DefaultsKeepEverythingInTheDataFolder)
{
    const AccountdCommandLine line = parse({});
    ASSERT_TRUE(line.options);
    const AccountdOptions& o = *line.options;
    EXPECT_EQ(o.listenAddress, QHostAddress(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(o.port, 5000) << "where Tableclick looks by default";
    EXPECT_EQ(o.database.kind, DatabaseSettings::Kind::Sqlite);
    EXPECT_TRUE(o.selfSigned);
    const QString d = u"/home/u/.local/share/Tableclick/accounts"_s;
    EXPECT_EQ((QStringList{o.database.sqlitePath, o.keyPath}),
              (QStringList{d + u"/accounts.sqlite"_s, d + u"/tls/key.pem"_s}));
    EXPECT_TRUE(o.smtpUrl.isEmpty());
    EXPECT_TRUE(o.publicUrl.isEmpty()) << "filled in with the port once the server listens";
}

// Catches an option ignored or read into the wrong field, or a database password shown (the
// options the service tests start with are theirs).
TEST(AccountdOptionsTest, ReadsEveryOption)
{
    const AccountdCommandLine line = parse(
        QStringLiteral("--listen :: --database "
                       "postgresql://svc:pw@db.example.org:5433/accounts?sslmode=verify-full --cert "
                       "/etc/c.pem --key /etc/k.pem --public-url https://accounts.example.org/ --workers 2")
            .split(u' '));
    ASSERT_TRUE(line.options) << qPrintable(line.text);
    const AccountdOptions& o = *line.options;
    EXPECT_EQ(o.listenAddress, QHostAddress(QHostAddress::AnyIPv6));
    EXPECT_EQ(o.database.kind, DatabaseSettings::Kind::Postgresql);
    EXPECT_EQ((QStringList{o.database.host, o.database.user, o.database.password, o.database.databaseName,
                           o.database.connectOptions, o.certPath, o.keyPath, o.publicUrl}),
              (QStringList{u"db.example.org"_s, u"svc"_s, u"pw"_s, u"accounts"_s, u"sslmode=verify-full"_s,
                           u"/etc/c.pem"_s, u"/etc/k.pem"_s, u"https://accounts.example.org"_s}));
    EXPECT_EQ((std::pair{o.database.port, o.workers}), (std::pair{5433, 2}));
    EXPECT_FALSE(o.database.describe().contains(QStringLiteral("pw")));
    EXPECT_FALSE(o.selfSigned);
}

// Catches a wrong or unusable option accepted, or refused without exit code 2 and a message.
TEST(AccountdOptionsTest, RefusesWhatItCannotUse)
{
    for (const char* wrong :
         {"--cert c.pem", "--port 70000", "--port http", "--listen localhost", "--database mysql://h/db",
          "--database postgresql://h/", "--database postgresql://h/db?options=-c%20x",
          "--database postgresql://h/db?sslmode=a;b=c",
          "--database sqlite:", "--smtp http://mail.example.org", "--public-url ftp://x", "--code-ttl 0",
          "--rate-limit -1", "--workers 0", "--unknown", "stray"}) {
        const AccountdCommandLine line = parse(QString::fromLatin1(wrong).split(u' '));
        EXPECT_FALSE(line.options) << wrong;
        EXPECT_EQ(line.exitCode, 2);
        EXPECT_TRUE(line.text.startsWith(QStringLiteral("tableclick-accountd: ")));
    }
}

// Catches --help that starts the service or fails.
TEST(AccountdOptionsTest, HelpStartsNothing)
{
    const AccountdCommandLine line = parse({QStringLiteral("--help")});
    EXPECT_FALSE(line.options);
    EXPECT_EQ(line.exitCode, 0);
    EXPECT_TRUE(line.text.contains(QLatin1String("--database")));
}

} // namespace
