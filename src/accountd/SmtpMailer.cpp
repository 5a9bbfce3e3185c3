#include "SmtpMailer.h"

#include "platform/XLog.h"

#include <QDateTime>
#include <QUuid>

#include <curl/curl.h>

#include <cstring>

namespace {

struct Upload
{
    QByteArray data;
    qsizetype offset = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = static_cast<size_t>(upload->data.size() - upload->offset);
    const size_t n = qMin(room, left);
    std::memcpy(buffer, upload->data.constData() + upload->offset, n);
    upload->offset += static_cast<qsizetype>(n);
    return n;
}

} // namespace

bool SmtpMailer::globalInit()
{
    return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

void SmtpMailer::globalCleanup()
{
    curl_global_cleanup();
}

SmtpMailer::SmtpMailer(const QUrl& url, QString from) : m_from(std::move(from))
{
    m_user = url.userName(QUrl::FullyDecoded).toUtf8();
    m_password = url.password(QUrl::FullyDecoded).toUtf8();
    if (m_password.isEmpty())
        m_password = qgetenv("TABLECLICK_ACCOUNTD_SMTP_PASSWORD");
    m_url = url.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery).toEncoded();
}

bool SmtpMailer::send(const MailMessage& message)
{
    CURL* curl = curl_easy_init();
    if (!curl) {
        XLogIn(lcAccountService(), "mail: cannot start libcurl");
        return false;
    }
    const QByteArray domain = MailMessage::address(m_from).section(u'@', 1).toLatin1();
    Upload upload{message.toRfc5322(QDateTime::currentDateTime(),
                                    QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + '@' +
                                        (domain.isEmpty() ? QByteArray("tableclick-accountd") : domain)),
                  0};
    const QByteArray from = '<' + MailMessage::address(m_from).toUtf8() + '>';
    const QByteArray to = '<' + MailMessage::address(message.to).toUtf8() + '>';
    curl_slist* recipients = curl_slist_append(nullptr, to.constData());

    curl_easy_setopt(curl, CURLOPT_URL, m_url.constData());
    // smtp:// without STARTTLS is refused rather than sent in clear.
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    if (!m_user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);

    const CURLcode result = curl_easy_perform(curl);
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK) {
        XLogIn(lcAccountService(), "mail: the SMTP server did not take the mail: %s", curl_easy_strerror(result));
        return false;
    }
    return true;
}
