#pragma once

#include "AccountQueries.h"
#include "AccountReply.h"
#include "AccountStore.h"
#include "DatabaseSettings.h"
#include "MailMessage.h"

#include <QByteArray>
#include <QString>
#include <QThreadStorage>

class Mailer;

struct AccountServiceSettings
{
    QString publicUrl; // the base of the links in mails, without a trailing slash
    QString mailFrom = QStringLiteral("Tableclick <no-reply@localhost>");
    qint64 linkTtlMs = 24LL * 3600 * 1000;
    qint64 codeTtlMs = 15LL * 60 * 1000;
    int maxCodeTries = 5;
    AccountStore::CodeRation codeRation;
    int loginFailureLimit = 10;   // per account and client address, in the window
    int addressFailureLimit = 30; // per client address, across accounts (a NAT holds several people)
    qint64 loginFailureWindowMs = 15LL * 60 * 1000;
    // Per account, wherever the attempts come from: no lock that a stranger could set, but
    // past the free failures each attempt waits twice as long as the one before.
    int freeLoginFailures = 5;
    qint64 firstLoginDelayMs = 1000;
    qint64 maxLoginDelayMs = 60000;
    qint64 loginDelayMemoryMs = 24LL * 3600 * 1000;
};

// What the four requests and the confirmation link do. Every call blocks (Argon2id, SQL,
// mail) and is made from the worker pool; each thread gets its own database connection.
class AccountService
{
public:
    enum class LinkOutcome
    {
        Confirmed,
        Invalid, // unknown, used or expired
        Failed
    };

    AccountService(AccountServiceSettings settings, DatabaseSettings database, Mailer& mailer);
    ~AccountService();

    // Connects, creates or migrates the schema, and makes the hash that unknown addresses
    // are checked against. On the main thread, once, before serving.
    bool prepare(QString* error);
    // Before serving: the port may be known only once the server listens.
    void setPublicUrl(const QString& url) { m_settings.publicUrl = url; }

    AccountReply registerAccount(const RegisterQuery& query);
    AccountReply login(const LoginQuery& query, const QString& clientAddress);
    AccountReply emailConfirm(const EmailConfirmQuery& query);
    AccountReply resetPassword(const ResetPasswordQuery& query);
    LinkOutcome confirmLink(const QString& token);

    static QString confirmPath() { return QStringLiteral("/api/mac_user/confirm"); }

private:
    AccountStore& store();
    MailMessage confirmationMail(const QString& to, const QString& token) const;
    void mailOwnerOfTakenAddress(const QString& emailKey);

    AccountServiceSettings m_settings;
    DatabaseSettings m_database;
    Mailer& m_mailer;
    QByteArray m_decoyHash;
    QThreadStorage<AccountStore*> m_stores;
};
