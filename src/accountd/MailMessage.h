#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One plain-text mail and its RFC 5322 form.
struct MailMessage
{
    QString from;
    QString to;
    QString subject;
    QString body;

    // CRLF lines, UTF-8 body, an encoded-word subject when it is not ASCII. Header values
    // lose any line breaks, so that no value can add a header of its own.
    QByteArray toRfc5322(const QDateTime& date, const QByteArray& messageId) const;
    // The bare address of "Name <address>" or of a plain address.
    static QString address(const QString& mailbox);
};
