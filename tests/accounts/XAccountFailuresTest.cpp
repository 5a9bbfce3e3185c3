// A failure is never silence: each way a request can fail shows its own alert and leaves
// the screen usable.
#include "AccountsFixture.h"

#include "accounts/XSigninViewController.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
struct Failures : AccountsFixture
{
    QString failureOf(XAccountService& client)
    {
        XSigninViewController signin(platform, client);
        signin.emailTextField->insert(u"ann@example.org"_s);
        signin.passwordTextField->insert(u"secret123"_s);
        const std::size_t before = alertCount();
        signin.loginButtonClicked();
        if (!waitFor([&] { return alertCount() > before; }, 5000))
            return u"(no alert)"_s;
        EXPECT_TRUE(signin.loginButton->isEnabled()) << "the screen stays usable";
        return lastAlert().first;
    }
};
} // namespace

// Catches a failure kept silent, or shown as another kind, or a screen left disabled.
TEST_F(Failures, EachFailureSaysWhichItIs)
{
    // A service that is down is AccountsE2e's. A server whose certificate is not the trusted one.
    CannedServer impostor(u"other"_s);
    impostor.setSuccess(u"/api/mac_user/login"_s, u"true"_s);
    XAccountService untrusted(impostor.url());
    untrusted.setTrustedCertificates({CannedServer::certificate()});
    EXPECT_EQ(failureOf(untrusted), u"The account service cannot be trusted"_s);
    EXPECT_TRUE(impostor.requests().isEmpty()) << "nothing may be sent to a server that is not trusted";

    server.setReply(u"/api/mac_user/login"_s, {200, {}, true});
    service.setTimeoutMilliseconds(300);
    EXPECT_EQ(failureOf(service), u"The account service does not answer"_s);

    for (const int status : {404, 500}) {
        server.setReply(u"/api/mac_user/login"_s, {status, QByteArrayLiteral("{\"success\":\"true\"}")});
        EXPECT_EQ(failureOf(service), u"The account service reported an error"_s) << status;
    }

    for (const QByteArray& body :
         {QByteArrayLiteral("<html>hello</html>"), QByteArrayLiteral("{\"message\":\"no success\"}")}) {
        server.setReply(u"/api/mac_user/login"_s, {200, body});
        EXPECT_EQ(failureOf(service), u"The account service sent an unreadable reply"_s) << body.data();
    }
}

// Catches a client that never trusts a local certificate made after its first try.
TEST_F(Failures, ACertificateMadeAfterTheFirstLookIsTrustedWithoutARestart)
{
    server.setSuccess(u"/api/mac_user/login"_s, u"true"_s);
    int reads = 0;
    service.setCertificateSource([&reads] {
        ++reads;
        return reads == 1 ? QList<QSslCertificate>{CannedServer::certificate(u"other"_s)}
                          : QList<QSslCertificate>{CannedServer::certificate()};
    });
    std::optional<XAccountReply> reply;
    service.get(u"/api/mac_user/login"_s, {}, &server, [&](const XAccountReply& r) { reply = r; });
    ASSERT_TRUE(waitFor([&] { return reply.has_value(); }));
    EXPECT_EQ(reply->failure, XAccountReply::Failure::None);
    EXPECT_EQ(reads, 2);
}
