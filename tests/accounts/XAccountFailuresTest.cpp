// A failure is never silence: each way a request can fail shows its own alert and leaves
// the screen usable.
#include "AccountsFixture.h"

#include "accounts/XSigninViewController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>

namespace {
struct Failures : AccountsFixture
{
    QString failureOf(XAccountService& client)
    {
        XSigninViewController signin(platform, client);
        signin.emailTextField->insert(QStringLiteral("ann@example.org"));
        signin.passwordTextField->insert(QStringLiteral("secret123"));
        const std::size_t before = alertCount();
        signin.loginButtonClicked();
        if (!waitFor([&] { return alertCount() > before; }, 5000))
            return QStringLiteral("(no alert)");
        EXPECT_TRUE(signin.loginButton->isEnabled()) << "the screen stays usable";
        return lastAlert().first;
    }
};
} // namespace

// Catches a failure kept silent, or shown as another kind, or a screen left disabled.
TEST_F(Failures, EachFailureSaysWhichItIs)
{
    // Nothing listens on a port that was free a moment ago.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    XAccountService nowhere(QUrl(QStringLiteral("https://localhost:%1").arg(probe.serverPort())));
    probe.close();
    EXPECT_EQ(failureOf(nowhere), QStringLiteral("Cannot reach the account service"));

    // A server whose certificate is not the trusted one.
    CannedServer impostor(QStringLiteral("other"));
    impostor.setSuccess(QStringLiteral("/api/mac_user/login"), QStringLiteral("true"));
    XAccountService untrusted(impostor.url());
    untrusted.setTrustedCertificates({CannedServer::certificate()});
    EXPECT_EQ(failureOf(untrusted), QStringLiteral("The account service cannot be trusted"));
    EXPECT_TRUE(impostor.requests().isEmpty()) << "nothing may be sent to a server that is not trusted";

    server.setReply(QStringLiteral("/api/mac_user/login"), {200, {}, true});
    service.setTimeoutMilliseconds(300);
    EXPECT_EQ(failureOf(service), QStringLiteral("The account service does not answer"));

    server.setReply(QStringLiteral("/api/mac_user/login"), {500, QByteArrayLiteral("{\"success\":\"true\"}")});
    EXPECT_EQ(failureOf(service), QStringLiteral("The account service reported an error"));

    for (const QByteArray& body : {QByteArrayLiteral("<html>hello</html>"), QByteArrayLiteral("[\"true\"]"),
                                   QByteArrayLiteral("{\"message\":\"no success\"}"), QByteArray()}) {
        server.setReply(QStringLiteral("/api/mac_user/login"), {200, body});
        EXPECT_EQ(failureOf(service), QStringLiteral("The account service sent an unreadable reply")) << body.data();
    }
}

// Catches a client that never trusts a local certificate made after its first try.
TEST_F(Failures, ACertificateMadeAfterTheFirstLookIsTrustedWithoutARestart)
{
    server.setSuccess(QStringLiteral("/api/mac_user/login"), QStringLiteral("true"));
    int reads = 0;
    service.setCertificateSource([&reads] {
        ++reads;
        return reads == 1 ? QList<QSslCertificate>{CannedServer::certificate(QStringLiteral("other"))}
                          : QList<QSslCertificate>{CannedServer::certificate()};
    });
    std::optional<XAccountReply> reply;
    service.get(QStringLiteral("/api/mac_user/login"), {}, &server, [&](const XAccountReply& r) { reply = r; });
    ASSERT_TRUE(waitFor([&] { return reply.has_value(); }));
    EXPECT_EQ(reply->failure, XAccountReply::Failure::None);
    EXPECT_EQ(reads, 2);
}
