#pragma once

#include "DatabaseSettings.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The service's command line.
struct AccountdOptions
{
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 5000; // 0: any free port; the ready line names the one taken
    QString dataDir;
    DatabaseSettings database;
    QString certPath; // the self-signed pair under dataDir/tls/ unless both are given
    QString keyPath;
    bool selfSigned = true;
    QUrl smtpUrl;      // empty: mails go to the Maildir outbox dataDir/outbox/
    QString publicUrl; // base of the links in mails, no trailing slash
    QString mailFrom = QStringLiteral("Tableclick <no-reply@localhost>");
    int linkTtlSeconds = 24 * 3600;
    int codeTtlSeconds = 15 * 60;
    int requestsPerMinute = 120;
    int workers = 0; // requests served at once; 0: the service chooses

    QString outboxDir() const { return dataDir + QStringLiteral("/outbox"); }
};

struct AccountdCommandLine
{
    std::optional<AccountdOptions> options; // empty: print text and exit with exitCode
    QString text;
    int exitCode = 0;
};

// arguments[0] is the program name. Folder defaults come from $XDG_DATA_HOME (or
// ~/.local/share) as passed in.
AccountdCommandLine parseAccountdCommandLine(const QStringList& arguments, const QString& xdgDataHome);
