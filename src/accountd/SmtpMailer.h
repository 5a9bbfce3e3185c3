#pragma once

#include "Mailer.h"

#include <QString>
#include <QUrl>

// Hands mails to an SMTP server through libcurl: smtp:// must switch to TLS with STARTTLS,
// smtps:// starts with it; the server's certificate is always checked.
class SmtpMailer : public Mailer
{
public:
    // Call once in main before any thread starts.
    static bool globalInit();
    static void globalCleanup();

    // smtp://[user[:password]@]host[:port]; the password may instead come from
    // TABLECLICK_ACCOUNTD_SMTP_PASSWORD, which keeps it out of the process list.
    SmtpMailer(const QUrl& url, QString from);

    bool send(const MailMessage& message) override;

private:
    QByteArray m_url;
    QByteArray m_user;
    QByteArray m_password;
    QString m_from;
};
