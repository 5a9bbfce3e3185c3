#include "MaildirMailer.h"

#include "platform/XLog.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHostInfo>

#include <unistd.h>

MaildirMailer::MaildirMailer(QString folder) : m_folder(std::move(folder)) {}

bool MaildirMailer::prepare(QString* error) const
{
    QDir dir;
    for (const char* sub : {"tmp", "new", "cur"}) {
        if (!dir.mkpath(m_folder + u'/' + QLatin1String(sub))) {
            *error = QStringLiteral("cannot create %1/%2").arg(m_folder, QLatin1String(sub));
            return false;
        }
    }
    return true;
}

bool MaildirMailer::send(const MailMessage& message)
{
    static QAtomicInteger<quint64> counter;
    const QDateTime now = QDateTime::currentDateTime();
    QString host = QHostInfo::localHostName();
    host.replace(u'/', QLatin1String("\\057")).replace(u':', QLatin1String("\\072"));
    // The Maildir unique name: time, process and a per-process counter, then the host.
    const QString unique = QStringLiteral("%1.M%2P%3Q%4.%5")
                               .arg(now.toSecsSinceEpoch())
                               .arg(now.time().msec() * 1000, 6, 10, QLatin1Char('0'))
                               .arg(getpid())
                               .arg(counter.fetchAndAddRelaxed(1) + 1)
                               .arg(host);
    const QByteArray messageId = (unique + QStringLiteral("@tableclick-accountd")).toLatin1();

    const QString temporary = m_folder + QStringLiteral("/tmp/") + unique;
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        XLogIn(lcAccountService(), "mail: cannot write to the outbox: %s", qPrintable(file.errorString()));
        return false;
    }
    const QByteArray data = message.toRfc5322(now, messageId);
    const bool written = file.write(data) == data.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || !QFile::rename(temporary, m_folder + QStringLiteral("/new/") + unique)) {
        QFile::remove(temporary);
        XLogIn(lcAccountService(), "mail: cannot write to the outbox");
        return false;
    }
    return true;
}
