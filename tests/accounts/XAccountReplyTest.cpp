// Reading replies and building requests: pure functions, with hostile input.
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

// Catches a reply read as success for its status alone, or a failure misfiled.
TEST(XAccountReply, WhatSelectsAnOutcome)
{
    const auto parsed = [](int status, const char* body) {
        return XParseAccountReply(XNetworkOutcome::Answered, status, QByteArray(body));
    };
    EXPECT_EQ(parsed(200, R"({"success":"username"})").success, QStringLiteral("username"));
    EXPECT_EQ(parsed(200, R"({"success":"username"})").failure, XAccountReply::Failure::None);
    // Not a string: selects nothing, and is no failure either.
    EXPECT_EQ(parsed(200, R"({"success":true})").success, QString());
    EXPECT_EQ(parsed(200, R"({"success":true})").failure, XAccountReply::Failure::None);
    EXPECT_EQ(parsed(200, R"({"succes":"true"})").failure, XAccountReply::Failure::NotJsonObject);
    EXPECT_EQ(parsed(200, R"("true")").failure, XAccountReply::Failure::NotJsonObject);
    EXPECT_EQ(parsed(404, R"({"success":"true"})").failure, XAccountReply::Failure::HttpStatus);
    EXPECT_EQ(XParseAccountReply(XNetworkOutcome::Tls, 0, "{}").failure, XAccountReply::Failure::Tls);
}

// Catches a request sent elsewhere than the service, or a value not encoded.
TEST(XAccountReply, RequestUrlsKeepTheServiceAndEncodeEveryValue)
{
    const QUrl url = XAccountRequestUrl(QUrl(QStringLiteral("https://accounts.example.org:5000")),
                                        QStringLiteral("/api/mac_user/login"),
                                        {{QStringLiteral("email"), QStringLiteral("a&b")},
                                         {QStringLiteral("password"), QStringLiteral("x=y+z ü/#?")}});
    EXPECT_EQ(url.host(), QStringLiteral("accounts.example.org"));
    EXPECT_EQ(url.port(), 5000);
    EXPECT_EQ(url.path(), QStringLiteral("/api/mac_user/login"));
    EXPECT_EQ(url.fragment(), QString());
    EXPECT_EQ(url.query(QUrl::FullyEncoded),
              QStringLiteral("email=a%26b&password=x%3Dy%2Bz%20%C3%BC%2F%23%3F"));
}

// Catches a crash, hang or unhandled outcome on hostile bodies (a seeded run).
TEST(XAccountReply, HostileBodiesAreReadSafely)
{
    QRandomGenerator random(20261206);
    const QByteArray pieces[] = {"{", "}", "[", "]", "\"success\"", ":", ",", "\"true\"", "true", "null",
                                 "\"password\"", "\"userinfo\"", "1e999", "\"\\u0000\"", "\"\\ud800\"", "\xff",
                                 "\"message\"", " ", "{\"success\":", "\"", "\\", "-0", "\"code\""};
    constexpr int kBodies = 100000;
    for (int i = 0; i < kBodies; ++i) {
        QByteArray body;
        const int parts = static_cast<int>(random.bounded(1, 24));
        for (int p = 0; p < parts; ++p)
            body += random.bounded(6) == 0 ? QByteArray(1, static_cast<char>(random.bounded(256)))
                                           : pieces[random.bounded(static_cast<int>(std::size(pieces)))];
        const XAccountReply reply = XParseAccountReply(XNetworkOutcome::Answered, 200, body);
        ASSERT_TRUE(reply.failure == XAccountReply::Failure::None ||
                    reply.failure == XAccountReply::Failure::NotJsonObject);
        if (reply.failure == XAccountReply::Failure::None)
            XRedactedForLog(QJsonValue(reply.json));
        XRedactedForLog(body);
    }
}
