#include "XAccountRequester.h"

#include "XAccountService.h"
#include "platform/XAlert.h"
#include "platform/XLog.h"

#include <QWidget>

XAccountRequester::XAccountRequester(XPlatform& platform, XAccountService& service, QWidget& screen)
    : QObject(&screen), m_platform(platform), m_service(service), m_screen(&screen)
{
}

void XAccountRequester::send(const QString& path, const XQueryItems& query, bool logUserinfo,
                             std::function<void(const QString&, const XAccountReply&)> handle)
{
    if (m_busy)
        return;
    m_busy = true;
    Q_EMIT busyChanged(true);
    XLogIn(lcAccounts(), "web request started");
    m_service.get(path, query, this, [this, logUserinfo, handle = std::move(handle)](const XAccountReply& reply) {
        m_busy = false;
        Q_EMIT busyChanged(false);
        if (reply.failure != XAccountReply::Failure::None) {
            const auto [message, informative] = XFailureAlertTexts(reply, m_service.baseUrl());
            // The log keeps the source text; the user reads it in their language.
            XLogIn(lcAccounts(), "ERROR! %s", qPrintable(XFailureLogTitle(reply)));
            runModalWithhMessageText(m_platform, message, informative, tr("Ok"), {}, {}, m_screen);
            return;
        }
        XLogIn(lcAccounts(), "Request reply: %s", qPrintable(XRedactedForLog(QJsonValue(reply.json))));
        XLogIn(lcAccounts(), "Request JSON: %s", qPrintable(XRedactedForLog(QJsonValue(reply.json))));
        XLogIn(lcAccounts(), "Request Success: %s", qPrintable(XRedactedForLog(reply.json.value(QLatin1String("success")))));
        XLogIn(lcAccounts(), "Request Message: %s", qPrintable(XRedactedForLog(reply.json.value(QLatin1String("message")))));
        if (logUserinfo)
            XLogIn(lcAccounts(), "Request Userinfo: %s",
                 qPrintable(XRedactedForLog(reply.json.value(QLatin1String("userinfo")))));
        handle(reply.success, reply);
    });
}

const QUrl& XAccountRequester::serviceUrl() const
{
    return m_service.baseUrl();
}
