#include "accountd/AccountQueries.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using namespace AccountQueries;

// Catches percent-escapes, '+' or UTF-8 decoded otherwise than the client encodes them.
TEST(AccountQueriesTest, DecodesValuesAsTheClientEncodesThem)
{
    const auto login = parseLogin("email=a.b%2Btag%40example.org&password=p%2Bq+r%20s%26t%3Du%25");
    ASSERT_TRUE(login);
    EXPECT_EQ(login->email, QStringLiteral("a.b+tag@example.org"));
    EXPECT_EQ(login->password, QStringLiteral("p+q+r s&t=u%")) << "'+' stays a plus sign";

    const auto unicode =
        parseRegister("username=Gr%C3%BCn&email=g%40example.org&password=%C3%BC%C3%BC%C3%BCsecret1&x=y");
    ASSERT_TRUE(unicode) << "fields of no use are ignored";
    EXPECT_EQ(unicode->password, QStringLiteral("üüüsecret1"));

    const auto reset = parseResetPassword("confirm_code=012345&email=a%40b.org&new_password=abc");
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->code, QStringLiteral("012345"));
}

// Catches a query with a missing, empty, repeated or unfit field, code or token taken as sound.
TEST(AccountQueriesTest, MissingRepeatedOrUnfitFieldsMakeAQueryMalformed)
{
    for (const char* query :
         {"", "email=a%40b.org", "email=a%40b.org&password=", "email=a%40b.org&password=x&password=y",
          "email=a%40b.org&email=a%40b.org&password=x", "email=nobody&password=x"})
        EXPECT_FALSE(parseLogin(query)) << query;
    EXPECT_FALSE(parseEmailConfirm("email="));
    for (const char* name : {"", "%20%20", "a%0Ab"})
        EXPECT_FALSE(
            parseRegister(QByteArray(QByteArray("username=") + name + "&email=a%40b.org&password=secret123")))
            << name;
    for (const char* code :
         {"12345", "1234567", "12345a", "%EF%BC%91%EF%BC%92%EF%BC%93%EF%BC%94%EF%BC%95%EF%BC%96"})
        EXPECT_FALSE(parseResetPassword(
            QByteArray(QByteArray("confirm_code=") + code + "&email=a%40b.org&new_password=x")))
            << code;

    const QByteArray token(43, 'A');
    EXPECT_TRUE(parseConfirmToken(QByteArray("token=" + token)));
    EXPECT_FALSE(parseConfirmToken(QByteArray("token=" + token.left(42))));
    EXPECT_FALSE(parseConfirmToken(QByteArray("token=" + token.left(42) + "%2F")));
}

// Catches bytes that are not UTF-8 (cut sequences, surrogates) let through, or UTF-8 refused.
TEST(AccountQueriesTest, FieldsThatAreNotUtf8AreFound)
{
    EXPECT_FALSE(hasInvalidUtf8("email=a%40b.org&password=p%2Bss%20%C3%BC1"));
    for (const char* query : {"password=secret123%C3", "email=%ED%A0%80%40b.org", "password=secret123\xfe"})
        EXPECT_TRUE(hasInvalidUtf8(query)) << query;
}

// Catches a password rule that counts UTF-16 units, wants no digit or has the wrong bounds.
TEST(AccountQueriesTest, PasswordRuleCountsCharactersAndWantsADigit)
{
    EXPECT_TRUE(passwordMeetsRule(QStringLiteral("abcdefg1")));
    EXPECT_TRUE(passwordMeetsRule(QStringLiteral("äöüäöüä1")));
    EXPECT_FALSE(passwordMeetsRule(QStringLiteral("abcdef1")));
    EXPECT_FALSE(passwordMeetsRule(QStringLiteral("abcdefgh")));
    // Seven characters, one of them outside the BMP (two UTF-16 units): still seven.
    EXPECT_FALSE(passwordMeetsRule(QStringLiteral("abcde1") + QString::fromUcs4(U"\U0001F600")));
    EXPECT_TRUE(passwordMeetsRule(QString(1024, u'a').replace(0, 1, u'1')));
    EXPECT_FALSE(passwordMeetsRule(QString(1025, u'a').replace(0, 1, u'1')));
}

// Catches implausible addresses or names accepted, good ones refused, or case-sensitive keys.
TEST(AccountQueriesTest, AddressesAndNames)
{
    for (const char* good : {"a@b", "first.last+tag@example.co.uk", "o'hara@example.org", "ü@exämple.org"})
        EXPECT_TRUE(isPlausibleEmail(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", "ab", "@b.org", "a@", "a@@b.org", "a@b@c.org", "a b@c.org", "a@.org",
                            "a@b.org.", "a@b..org", "a@b.org\n", "a\t@b.org"})
        EXPECT_FALSE(isPlausibleEmail(QString::fromUtf8(bad))) << bad;
    EXPECT_FALSE(isPlausibleEmail(QString(250, u'a') + QStringLiteral("@b.org")));

    EXPECT_TRUE(isAcceptableUsername(QString(64, u'x')));
    EXPECT_FALSE(isAcceptableUsername(QString(65, u'x')));
    EXPECT_TRUE(isAcceptableUsername(QStringLiteral("Ödön Ürge")));
    EXPECT_FALSE(isAcceptableUsername(QStringLiteral("zero\u200bwidth")));

    EXPECT_EQ(emailKey(QStringLiteral("Bob@Example.ORG")), emailKey(QStringLiteral("bob@example.org")));
    EXPECT_EQ(usernameKey(QStringLiteral(" Straße ")), usernameKey(QStringLiteral("STRASSE")));
}

// Catches a parser that crashes on, or accepts fields against the rules from, random queries.
TEST(AccountQueriesTest, FuzzedQueriesNeitherCrashNorSlipPastTheChecks)
{
    QRandomGenerator random(7253);
    const QList<QByteArray> keys{"email",        "password", "username", "confirm_code",
                                 "new_password", "token",    ""};
    const QList<QByteArray> pieces{"a",   "@",      "b.org", "%40", "%2B",    "+", "%", "%zz", "%00", "%0A",
                                   "%FF", "%C3%BC", "1",     "&",   "123456", "=", " ", "'",   "\xc3"};
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        QByteArray query;
        for (int f = random.bounded(5); f > 0; --f) {
            query += '&' + keys[random.bounded(keys.size())] + '=';
            for (int p = random.bounded(10); p > 0; --p)
                query += pieces[random.bounded(pieces.size())];
        }
        if (const auto login = parseLogin(query)) {
            ++accepted;
            ASSERT_TRUE(isPlausibleEmail(login->email) && !login->password.isEmpty()) << query.constData();
        }
        if (const auto reg = parseRegister(query))
            ASSERT_TRUE(isPlausibleEmail(reg->email) && isAcceptableUsername(reg->username))
                << query.constData();
        if (const auto confirm = parseEmailConfirm(query))
            ASSERT_TRUE(isPlausibleEmail(confirm->email)) << query.constData();
        if (const auto reset = parseResetPassword(query))
            ASSERT_TRUE(isVerificationCode(reset->code)) << query.constData();
        if (const auto token = parseConfirmToken(query))
            ASSERT_EQ(token->size(), 43);
    }
    EXPECT_GT(accepted, 100) << "the generator should reach the accepting paths";
}

} // namespace
