#include "MailMessage.h"

#include <QLocale>

namespace {

QString oneLine(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    return value;
}

bool isAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QByteArray encodedHeader(const QString& value)
{
    const QString line = oneLine(value);
    if (isAscii(line))
        return line.toLatin1();
    return "=?UTF-8?B?" + line.toUtf8().toBase64() + "?=";
}

} // namespace

QByteArray MailMessage::toRfc5322(const QDateTime& date, const QByteArray& messageId) const
{
    QByteArray out;
    out += "Date: " + QLocale::c().toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1();
    const int offset = date.offsetFromUtc() / 60;
    out += offset < 0 ? '-' : '+';
    out += QStringLiteral("%1%2\r\n")
               .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
               .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'))
               .toLatin1();
    out += "From: " + encodedHeader(from) + "\r\n";
    out += "To: " + encodedHeader(to) + "\r\n";
    out += "Subject: " + encodedHeader(subject) + "\r\n";
    out += "Message-ID: <" + oneLine(QString::fromLatin1(messageId)).toLatin1() + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: text/plain; charset=UTF-8\r\n";
    out += "Content-Transfer-Encoding: 8bit\r\n";
    out += "\r\n";
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    out += text.toUtf8().replace("\n", "\r\n");
    if (!out.endsWith("\r\n"))
        out += "\r\n";
    return out;
}

QString MailMessage::address(const QString& mailbox)
{
    const qsizetype open = mailbox.lastIndexOf(u'<');
    const qsizetype close = mailbox.lastIndexOf(u'>');
    if (open >= 0 && close > open)
        return mailbox.mid(open + 1, close - open - 1).trimmed();
    return mailbox.trimmed();
}
