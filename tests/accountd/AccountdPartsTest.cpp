#include "accountd/AccountQueries.h"
#include "accountd/MailMessage.h"
#include "accountd/PasswordHasher.h"
#include "accountd/RateLimiter.h"
#include "accountd/TlsIdentity.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QSslCertificateExtension>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// Catches a limiter that lets too much through, shares buckets, refills backwards or forgets early.
TEST(RateLimiterTest, AMinutesWorthAtOnceThenAnEvenTrickle)
{
    RateLimiter limiter(6);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(limiter.allow(QStringLiteral("a"), 1000));
    EXPECT_FALSE(limiter.allow(QStringLiteral("a"), 1000));
    EXPECT_TRUE(limiter.allow(QStringLiteral("b"), 1000)) << "each client has its own bucket";
    EXPECT_FALSE(limiter.allow(QStringLiteral("a"), 10999));
    EXPECT_TRUE(limiter.allow(QStringLiteral("a"), 11000)) << "one request per ten seconds comes back";
    EXPECT_FALSE(limiter.allow(QStringLiteral("a"), 11000));
    EXPECT_FALSE(limiter.allow(QStringLiteral("a"), 900)) << "a clock step backwards refills nothing";

    limiter.forgetIdle(30000);
    EXPECT_EQ(limiter.trackedClients(), 1) << "b's bucket is full again, a's is not";
    limiter.forgetIdle(80000);
    EXPECT_EQ(limiter.trackedClients(), 0);

    RateLimiter off(0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(off.allow(QStringLiteral("a"), 0));
}

// Catches a malformed mail, a header injected through the subject, or bare line feeds.
TEST(MailMessageTest, WritesRfc5322WithoutHeaderInjection)
{
    const MailMessage mail{QStringLiteral("Tableclick <no-reply@example.org>"),
                           QStringLiteral("bob@example.org"), QStringLiteral("Grüße\r\nBcc: all@example.org"),
                           QStringLiteral("line one\nline two\r\n")};
    const QByteArray text =
        mail.toRfc5322(QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9), QTimeZone(3600)), "id1@example.org");
    EXPECT_TRUE(text.startsWith("Date: Tue, 05 Mar 2024 07:08:09 +0100\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("\r\nFrom: Tableclick <no-reply@example.org>\r\n"));
    EXPECT_TRUE(text.contains("\r\nSubject: =?UTF-8?B?"));
    EXPECT_FALSE(text.contains("\nBcc:"));
    EXPECT_TRUE(text.contains("\r\nMessage-ID: <id1@example.org>\r\n"));
    EXPECT_TRUE(text.endsWith("\r\n\r\nline one\r\nline two\r\n"));
    EXPECT_FALSE(text.contains(QByteArray("\n").prepend('x'))) << "no bare line feeds";
    const QByteArray subject = text.mid(text.indexOf("=?UTF-8?B?") + 10);
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromBase64(subject.left(subject.indexOf("?=")))),
              QStringLiteral("Grüße  Bcc: all@example.org"));

    EXPECT_EQ(MailMessage::address(QStringLiteral("Tableclick <no-reply@example.org>")),
              QStringLiteral("no-reply@example.org"));
}

// Catches weak, unsalted or lenient hashing, and codes or tokens that repeat or do not parse.
TEST(PasswordHasherTest, Argon2idHashesCodesAndTokens)
{
    ASSERT_TRUE(PasswordHasher::initialize());
    const auto hash = PasswordHasher::hash(QStringLiteral("secret123 ü"));
    ASSERT_TRUE(hash);
    EXPECT_TRUE(hash->startsWith("$argon2id$v=19$m=65536,t=2,p=1$")) << hash->constData();
    EXPECT_TRUE(PasswordHasher::verify(*hash, QStringLiteral("secret123 ü")));
    EXPECT_FALSE(PasswordHasher::verify(*hash, QStringLiteral("secret123 u")));
    EXPECT_FALSE(PasswordHasher::verify(hash->chopped(1), QStringLiteral("secret123 ü")));
    EXPECT_FALSE(PasswordHasher::verify(QByteArray(), QString()));
    EXPECT_NE(*PasswordHasher::hash(QStringLiteral("secret123 ü")), *hash) << "salted";

    QSet<QString> codes;
    for (int i = 0; i < 2000; ++i) {
        const QString code = PasswordHasher::randomCode();
        ASSERT_TRUE(AccountQueries::isVerificationCode(code)) << qPrintable(code);
        codes.insert(code);
    }
    EXPECT_GT(codes.size(), 1990);

    const QString token = PasswordHasher::randomToken();
    EXPECT_TRUE(AccountQueries::parseConfirmToken(QByteArray("token=" + token.toLatin1())));
    EXPECT_NE(token, PasswordHasher::randomToken());
}

// Catches a certificate that is a CA, misnamed, short-lived or remade, or a key others can read.
TEST(TlsIdentityTest, MakesASelfSignedLocalhostCertificateOnceAndKeepsIt)
{
    QTemporaryDir dir;
    QString error;
    const QString cert = dir.filePath(QStringLiteral("tls/cert.pem"));
    const QString key = dir.filePath(QStringLiteral("tls/key.pem"));
    const auto first = TlsIdentity::loadOrCreateSelfSigned(cert, key, &error);
    ASSERT_TRUE(first) << qPrintable(error);
    EXPECT_EQ(QFile::permissions(key), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser);
    ASSERT_EQ(first->chain.size(), 1);
    const QSslCertificate& certificate = first->chain.front();
    EXPECT_EQ(certificate.issuerDisplayName(), certificate.subjectDisplayName());
    for (const QSslCertificateExtension& extension : certificate.extensions()) {
        if (extension.name() == QLatin1String("basicConstraints"))
            EXPECT_FALSE(extension.value().toMap().value(QStringLiteral("ca")).toBool()) << "not a CA";
    }
    EXPECT_EQ(certificate.subjectInfo(QSslCertificate::CommonName), QStringList{QStringLiteral("localhost")});
    EXPECT_TRUE(
        certificate.subjectAlternativeNames().values(QSsl::DnsEntry).contains(QStringLiteral("localhost")));
    EXPECT_GT(certificate.expiryDate(), QDateTime::currentDateTimeUtc().addYears(9));
    EXPECT_FALSE(first->key.isNull());

    const auto again = TlsIdentity::loadOrCreateSelfSigned(cert, key, &error);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->chain.front(), certificate) << "made once, then kept";

    QFile::remove(key);
    EXPECT_FALSE(TlsIdentity::loadOrCreateSelfSigned(cert, key, &error))
        << "a lone certificate is not replaced";
    EXPECT_FALSE(TlsIdentity::load(cert, key, &error));
}

} // namespace
