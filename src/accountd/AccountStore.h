#pragma once

#include "DatabaseSettings.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>

#include <optional>

class QSqlQuery;

// The accounts in SQL, through one connection that belongs to the thread that made the
// store (Qt SQL connections must not change threads). Each statement stands alone, so that
// several service instances can share a PostgreSQL database. Every call answers whether the
// database did what was asked; failures are logged here, without values.
class AccountStore
{
public:
    struct User
    {
        qint64 id = 0;
        QString username;
        QString email;
        QByteArray passwordHash;
        bool confirmed = false;
    };
    struct UserLookup
    {
        bool ok = false;
        std::optional<User> user;
    };
    enum class InsertOutcome
    {
        Inserted,
        UsernameTaken,
        EmailTaken,
        Failed
    };
    enum class ConfirmOutcome
    {
        Confirmed,
        Invalid,
        Failed
    };
    struct ResetTry
    {
        bool ok = false;
        std::optional<QByteArray> codeHash; // empty: no live code, or its tries are used up
    };

    struct CodeRation
    {
        int perHour = 3;
        int perDay = 10;
        int guesses = 10; // per account, across its codes, in guessWindowMs
        qint64 guessWindowMs = 24LL * 3600 * 1000;
    };

    struct LoginLimit
    {
        int attempts = 10;     // a lock: the attempts in windowMs; delays: the attempts before them
        qint64 windowMs = 15LL * 60 * 1000; // delays: forgotten after this long without an attempt
        qint64 firstDelayMs = 0; // 0: a lock
        qint64 maxDelayMs = 0;
    };

    explicit AccountStore(DatabaseSettings settings);
    ~AccountStore();
    AccountStore(const AccountStore&) = delete;
    AccountStore& operator=(const AccountStore&) = delete;

    bool open(QString* error);
    // Creates the tables or brings them to the current version; safe with several
    // instances starting at once.
    bool migrate(QString* error);

    // A transaction on this store's connection; rollback() is harmless when none is open.
    bool begin();
    bool commit();
    void rollback();

    UserLookup userByEmail(const QString& emailKey);
    InsertOutcome insertUser(const QString& username, const QString& usernameKey, const QString& email,
                             const QString& emailKey, const QByteArray& passwordHash, qint64 now, qint64* id);
    bool deleteUser(qint64 id);
    bool setPasswordHash(qint64 id, const QByteArray& passwordHash, bool confirm);

    bool addConfirmToken(const QByteArray& digest, qint64 userId, qint64 expiresAt);
    // Uses the token up, whether it was still valid or not, and confirms the account, all
    // or nothing.
    ConfirmOutcome confirm(const QByteArray& digest, qint64 now);

    // Counts one sign-in attempt against the subject before its password is checked, as a
    // failure until refunded; *allowed is false (and nothing counted) past the limit, and
    // *retryInMs then says how long a delay has left.
    bool takeLoginAttempt(const QString& subject, const LoginLimit& limit, qint64 now, bool* allowed,
                          qint64* retryInMs);
    bool refundLoginAttempt(const QString& subject);
    bool clearLoginAttempts(const QString& subject);
    bool forgetLoginAttempts(qint64 before);

    // Replaces any code the account had, with a fresh count of tries.
    bool putResetCode(qint64 userId, const QByteArray& codeHash, qint64 expiresAt);
    // Records a code sent to the account; *allowed is false when its ration is used up.
    bool takeCodeRequest(qint64 userId, qint64 now, const CodeRation& ration, bool* allowed);
    // Counts one try against the live code and the account's budget, and hands the code's
    // hash out for checking.
    ResetTry takeResetTry(qint64 userId, qint64 now, int maxTries, const CodeRation& ration);
    bool clearCodeBudget(qint64 userId);
    // Uses the code up; *consumed is false when another request got there first.
    bool consumeResetCode(qint64 userId, const QByteArray& codeHash, bool* consumed);

private:
    bool run(QSqlQuery& query, const QString& sql, const QVariantList& values);
    int schemaVersion(bool* ok);

    DatabaseSettings m_settings;
    QString m_connectionName;
};
