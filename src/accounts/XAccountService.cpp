#include "XAccountService.h"

#include "platform/XPreferenceStore.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslConfiguration>
#include <QStandardPaths>

const QString kXAccountServiceURLKey = QStringLiteral("kXAccountServiceURLKey");

QUrl XDefaultAccountServiceUrl()
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("TABLECLICK_ACCOUNTD_PORT", &ok);
    return QUrl(QStringLiteral("https://localhost:%1").arg(ok && port > 0 && port < 65536 ? port : 5000));
}

QUrl XAccountServiceUrl(const XPreferenceStore& store)
{
    const QUrl stored(store.objectForKey(kXAccountServiceURLKey).toString(), QUrl::StrictMode);
    return stored.isValid() && stored.scheme() == QLatin1String("https") && !stored.host().isEmpty()
               ? stored
               : XDefaultAccountServiceUrl();
}

bool XSetAccountServiceUrl(XPreferenceStore& store, const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty())
        return false;
    store.setObject(kXAccountServiceURLKey, url.adjusted(QUrl::StripTrailingSlash).toString());
    return store.synchronize();
}

QString XLocalServiceCertificatePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tableclick/accounts/tls/cert.pem");
}

bool XIsLocalDefaultService(const QUrl& url)
{
    return url.adjusted(QUrl::StripTrailingSlash) == XDefaultAccountServiceUrl();
}

QString XLocalServiceOutboxPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tableclick/accounts/outbox/new");
}

QString XWhereMailLands(const QUrl& service)
{
    if (!XIsLocalDefaultService(service))
        return {};
    return QStringLiteral("\n\n") +
           QCoreApplication::translate("XAccountService",
                                       "The local account service sends no real mail: it is a file in %1.")
               .arg(XLocalServiceOutboxPath());
}

XAccountService::XAccountService(QUrl base, QObject* parent)
    : QObject(parent), m_base(std::move(base)), m_network(new QNetworkAccessManager(this))
{
}

QUrl XAccountService::legalUrl() const
{
    QUrl url = m_base;
    url.setPath(QStringLiteral("/legal"));
    url.setQuery(QString());
    return url;
}

QList<QSslCertificate> XAccountService::trustedCertificates() const
{
    if (m_certificates)
        return m_certificates();
    if (XIsLocalDefaultService(m_base))
        return QSslCertificate::fromPath(XLocalServiceCertificatePath(), QSsl::Pem);
    return QSslConfiguration::systemCaCertificates();
}

void XAccountService::get(const QString& path, const XQueryItems& query, QObject* context,
                          std::function<void(const XAccountReply&)> done)
{
    send(path, query, context, std::move(done), false);
}

void XAccountService::send(const QString& path, const XQueryItems& query, QObject* context,
                           std::function<void(const XAccountReply&)> done, bool again)
{
    QNetworkRequest request(XAccountRequestUrl(m_base, path, query));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(m_timeoutMs);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(trustedCertificates());
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, context,
            [this, reply, path, query, context = QPointer<QObject>(context), done = std::move(done), again] {
        reply->deleteLater();
        XNetworkOutcome outcome = XNetworkOutcome::Answered;
        switch (reply->error()) {
        case QNetworkReply::NoError:
            break;
        case QNetworkReply::SslHandshakeFailedError:
            if (!again && context) {
                // A kept connection would carry the trust it was made with.
                m_network->clearConnectionCache();
                send(path, query, context, done, true);
                return;
            }
            outcome = XNetworkOutcome::Tls;
            break;
        case QNetworkReply::OperationCanceledError:
        case QNetworkReply::TimeoutError:
            outcome = XNetworkOutcome::Timeout;
            break;
        default:
            // An HTTP error status still carries its status code.
            if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
                outcome = XNetworkOutcome::NoConnection;
            break;
        }
        done(XParseAccountReply(outcome, reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                                outcome == XNetworkOutcome::Answered ? reply->readAll() : QByteArray(),
                                reply->errorString()));
    });
}
