#pragma once

#include "XAccountReply.h"

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class XPreferenceStore;

// Where the account service is: the user's choice, kept in the preference store, or the
// local service by default (on port 5000, or TABLECLICK_ACCOUNTD_PORT).
extern const QString kXAccountServiceURLKey;
QUrl XDefaultAccountServiceUrl();
QUrl XAccountServiceUrl(const XPreferenceStore& store);
// Accepts https URLs with a host only; false (and nothing stored) for anything else.
bool XSetAccountServiceUrl(XPreferenceStore& store, const QString& text);
// The certificate the local service made for itself on first start.
QString XLocalServiceCertificatePath();
bool XIsLocalDefaultService(const QUrl& url);
// Where the local service leaves the mails it sends (it has no mail server to hand them to).
QString XLocalServiceOutboxPath();
// For the alert that says a mail was sent: where to find it when the service is the local one.
QString XWhereMailLands(const QUrl& service);

// Sends the account requests over TLS: for the local default service it trusts exactly the
// certificate that service made, for any other the system's authorities. Verification is
// never switched off. Replies arrive on the main thread.
class XAccountService : public QObject
{
    Q_OBJECT
public:
    explicit XAccountService(QUrl base, QObject* parent = nullptr);

    const QUrl& baseUrl() const { return m_base; }
    // The page with the terms of use.
    QUrl legalUrl() const;
    // Tests trust their own server's certificate.
    void setTrustedCertificates(QList<QSslCertificate> certificates)
    {
        m_certificates = [certificates] { return certificates; };
    }
    // Read at every request: the local service makes its certificate on its first start,
    // which may come after this program first looked.
    void setCertificateSource(std::function<QList<QSslCertificate>()> source) { m_certificates = std::move(source); }
    void setTimeoutMilliseconds(int ms) { m_timeoutMs = ms; }

    // `done` runs on the main thread, unless `context` is gone by then. A request refused
    // on trust is sent once more, over a new connection with the certificates read again.
    void get(const QString& path, const XQueryItems& query, QObject* context,
             std::function<void(const XAccountReply&)> done);

private:
    QList<QSslCertificate> trustedCertificates() const;
    void send(const QString& path, const XQueryItems& query, QObject* context,
              std::function<void(const XAccountReply&)> done, bool again);

    QUrl m_base;
    std::function<QList<QSslCertificate>()> m_certificates;
    int m_timeoutMs = 15000;
    QNetworkAccessManager* m_network = nullptr;
};
