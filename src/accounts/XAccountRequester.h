#pragma once

#include "XAccountReply.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class XAccountService;
class XPlatform;

// One screen's requests: at most one outstanding (a second press sends nothing), the log
// lines of every reply (secrets left out), and an alert for a failure, so that a failure
// is never silence. The screen gets the "success" value of a readable reply.
class XAccountRequester : public QObject
{
    Q_OBJECT
public:
    XAccountRequester(XPlatform& platform, XAccountService& service, QWidget& screen);

    bool isBusy() const { return m_busy; }
    const QUrl& serviceUrl() const;
    // Sends unless busy; `logUserinfo` adds the "Request Userinfo" line.
    void send(const QString& path, const XQueryItems& query, bool logUserinfo,
              std::function<void(const QString& success, const XAccountReply& reply)> handle);

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    XPlatform& m_platform;
    XAccountService& m_service;
    QPointer<QWidget> m_screen;
    bool m_busy = false;
};
