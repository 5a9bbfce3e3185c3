// Log lines of replies, and replies read from hostile input: pure functions.
#include "accounts/XAccountReply.h"

#include <QJsonDocument>
#include <QRandomGenerator>

#include <gtest/gtest.h>

// Catches a password, code or token written to the log.
TEST(XAccountReply, LogLinesLeaveOutPasswordsCodesAndTokens)
{
    const QString line = XRedactedForLog(QByteArrayLiteral(
        R"({"success":"true","userinfo":{"username":"ann","password":"hunter22"},"confirm_code":"123456",)"
        R"("list":[{"token":"abc"}],"message":"ok"})"));
    EXPECT_TRUE(line.contains(QLatin1String("ann")));
    EXPECT_TRUE(line.contains(QLatin1String("ok")));
    for (const char* secret : {"hunter22", "123456", "abc"})
        EXPECT_FALSE(line.contains(QLatin1String(secret))) << secret;
    EXPECT_EQ(XRedactedForLog(QJsonValue(QStringLiteral("true"))), QStringLiteral("true"));
    EXPECT_EQ(XRedactedForLog(QJsonValue()), QStringLiteral("(null)"));
}

// Catches a crash, hang or unhandled outcome on hostile bodies (a seeded run).
TEST(XAccountReply, HostileBodiesAreReadSafely)
{
    QRandomGenerator random(20261206);
    const QList<QByteArray> pieces =
        QByteArray(R"({|}|[|]|"success"|:|,|"true"|true|null|"password"|"userinfo"|1e999|"\u0000"|"\ud800"|)"
                   "\xff\x01|"
                   R"("message"| |{"success":|"|\|-0|"code")")
            .split('|');
    for (int i = 0; i < 100000; ++i) {
        QByteArray body;
        for (int parts = random.bounded(1, 24); parts > 0; --parts)
            body += pieces[random.bounded(pieces.size())];
        const XAccountReply reply = XParseAccountReply(XNetworkOutcome::Answered, 200, body);
        ASSERT_TRUE(reply.failure == XAccountReply::Failure::None ||
                    reply.failure == XAccountReply::Failure::NotJsonObject);
        XRedactedForLog(reply.failure == XAccountReply::Failure::None ? QJsonValue(reply.json)
                                                                      : QJsonValue());
        XRedactedForLog(body);
    }
}
