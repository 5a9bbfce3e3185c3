#include "accountd/HttpRequestParser.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using State = HttpParseResult::State;

const QByteArray kLogin = "GET /api/mac_user/login?email=a%40b.org&password=x HTTP/1.1\r\n"
                          "Host: localhost:5000\r\nAccept: application/json\r\n\r\n";

int failure(const QByteArray& request)
{
    const HttpParseResult result = HttpRequestParser::parse(request);
    return result.state == State::Failed ? result.errorStatus : 0;
}

// Catches a request misread, pipelined bytes or a body lost, or a partial request taken as whole.
TEST(HttpRequestParserTest, ReadsARequestAndWhatFollowsIt)
{
    const HttpParseResult result = HttpRequestParser::parse(QByteArray(kLogin + "GET /legal HTTP/1.1\r\n"));
    ASSERT_EQ(result.state, State::Complete);
    EXPECT_EQ(result.consumed, kLogin.size());
    EXPECT_EQ(result.request.method, "GET");
    EXPECT_EQ(result.request.path(), "/api/mac_user/login");
    EXPECT_EQ(result.request.query(), "email=a%40b.org&password=x");
    EXPECT_TRUE(result.request.keepAlive);

    // Every shorter prefix asks for more.
    for (qsizetype n = 0; n < kLogin.size(); ++n)
        ASSERT_EQ(HttpRequestParser::parse(kLogin.left(n)).state, State::NeedMore) << n;

    const HttpParseResult leading = HttpRequestParser::parse(QByteArray("\r\n\r\n" + kLogin));
    ASSERT_EQ(leading.state, State::Complete);
    EXPECT_EQ(leading.consumed, kLogin.size() + 4);

    const QByteArray withBody = "GET /legal HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello";
    EXPECT_EQ(HttpRequestParser::parse(withBody.chopped(1)).state, State::NeedMore);
    EXPECT_EQ(HttpRequestParser::parse(withBody).consumed, withBody.size());
    EXPECT_EQ(HttpRequestParser::parse("GET / HTTP/1.1\r\n\r\n").request.query(), "");
}

// Catches a connection kept open, or closed, against what the version and Connection header say.
TEST(HttpRequestParserTest, KeepsTheConnectionAsTheVersionAndHeaderSay)
{
    const auto keepAlive = [](const QByteArray& request) {
        return HttpRequestParser::parse(request).request.keepAlive;
    };
    EXPECT_TRUE(keepAlive("GET / HTTP/1.1\r\n\r\n"));
    EXPECT_FALSE(keepAlive("GET / HTTP/1.1\r\nConnection: TE, Close\r\n\r\n"));
    EXPECT_FALSE(keepAlive("GET / HTTP/1.0\r\n\r\n"));
}

// Catches a malformed, ambiguous or oversized request accepted, or refused with the wrong status.
TEST(HttpRequestParserTest, RefusesMalformedAndOversizedRequests)
{
    for (const char* request :
         {"GET\r\n\r\n", "GET  HTTP/1.1\r\n\r\n", "GET api HTTP/1.1\r\n\r\n", "G(T / HTTP/1.1\r\n\r\n",
          "GET /a b HTTP/1.1\r\n\r\n", "GET /a\x01 HTTP/1.1\r\n\r\n", "GET / HTTX/1.1\r\n\r\n",
          "GET / HTTP/1.1\r\nHost localhost\r\n\r\n", "GET / HTTP/1.1\r\nHost: a\r\n folded\r\n\r\n",
          "GET / HTTP/1.1\r\nX: a\x7f\r\n\r\n", "GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
          "GET / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n"})
        EXPECT_EQ(failure(request), 400) << request;
    EXPECT_EQ(failure("GET / HTTP/2.0\r\n\r\n"), 505);
    EXPECT_EQ(failure("GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"), 501);

    EXPECT_EQ(failure("GET / HTTP/1.1\r\nContent-Length: 1025\r\n\r\n"), 413);
    EXPECT_EQ(failure("GET / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n"), 413);
    EXPECT_EQ(failure(QByteArray("GET /") + QByteArray(9000, 'a')), 413) << "no need to wait for the end";
    EXPECT_EQ(failure(QByteArray("GET /") + QByteArray(9000, 'a') + QByteArray(" HTTP/1.1\r\n\r\n")), 413);
    QByteArray manyFields = "GET / HTTP/1.1\r\n";
    for (int i = 0; i < 65; ++i)
        manyFields += "X: 1\r\n";
    EXPECT_EQ(failure(manyFields + QByteArray("\r\n")), 413);
    EXPECT_EQ(failure(QByteArray(9000, '\n')), 413);
}

// Catches a crash, a hang or an unservable request accepted, on random and mutated input.
TEST(HttpRequestParserTest, FuzzedInputNeitherCrashesNorHangs)
{
    QRandomGenerator random(20240611);
    const QList<QByteArray> seeds{kLogin, "GET /legal HTTP/1.0\r\nConnection: keep-alive\r\n\r\n",
                                  "GET /x HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc",
                                  "\r\nGET / HTTP/1.1\r\n\r\n"};
    const QByteArray alphabet = "GET /?&=%:\r\n HTTP1.0Content-Length:9\t\x7f\x01\xff";
    int complete = 0;
    for (int i = 0; i < 120000; ++i) {
        QByteArray input = seeds[random.bounded(seeds.size())];
        for (int e = 1 + random.bounded(4); e > 0 && !input.isEmpty(); --e) {
            const int at = random.bounded(static_cast<int>(input.size()));
            const QByteArray piece = alphabet.mid(random.bounded(static_cast<int>(alphabet.size())), 3);
            input.replace(at, random.bounded(3),
                          random.bounded(2) ? piece : QByteArray(1, static_cast<char>(random.generate())));
        }
        const HttpParseResult result = HttpRequestParser::parse(input);
        if (result.state == State::Complete) {
            ++complete;
            ASSERT_TRUE(result.consumed > 0 && result.consumed <= input.size()) << input.constData();
            ASSERT_TRUE(result.request.target.startsWith('/') && !result.request.target.contains(' '));
        } else if (result.state == State::Failed) {
            ASSERT_TRUE(QList<int>({400, 413, 501, 505}).contains(result.errorStatus)) << result.errorStatus;
        } else {
            ASSERT_LE(input.size(),
                      HttpRequestParser::kMaxHeaderBytes + HttpRequestParser::kMaxBodyBytes + 4);
        }
    }
    EXPECT_GT(complete, 1000) << "the mutations should leave many requests whole";
}

} // namespace
