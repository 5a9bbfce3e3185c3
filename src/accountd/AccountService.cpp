#include "AccountService.h"

#include "AccountStore.h"
#include "platform/XLog.h"
#include "Mailer.h"
#include "PasswordHasher.h"
#include "TestHooks.h"

#include <QDateTime>

#include <utility>

namespace {

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

AccountReply reply(const char* success, const char* message)
{
    return {QString::fromLatin1(success), QString::fromUtf8(message), std::nullopt};
}

const char* const kPasswordRule = "A password needs at least 8 characters and at least 1 digit.";

QString emailSubject(const QString& emailKey)
{
    return QStringLiteral("email:") + emailKey;
}

} // namespace

AccountService::AccountService(AccountServiceSettings settings, DatabaseSettings database, Mailer& mailer)
    : m_settings(std::move(settings)), m_database(std::move(database)), m_mailer(mailer)
{
}

AccountService::~AccountService() = default;

bool AccountService::prepare(QString* error)
{
    AccountStore setup(m_database);
    if (!setup.open(error) || !setup.migrate(error))
        return false;
    const auto decoy = PasswordHasher::hash(PasswordHasher::randomToken());
    if (!decoy) {
        *error = QStringLiteral("Argon2id could not get its memory");
        return false;
    }
    m_decoyHash = *decoy;
    return true;
}

AccountStore& AccountService::store()
{
    if (!m_stores.hasLocalData())
        m_stores.setLocalData(new AccountStore(m_database));
    return *m_stores.localData();
}

AccountReply AccountService::registerAccount(const RegisterQuery& query)
{
    if (!AccountQueries::passwordMeetsRule(query.password))
        return reply("password", kPasswordRule);
    // Hashed before the names are checked, so that every attempt costs the same.
    const auto hash = PasswordHasher::hash(query.password);
    if (!hash)
        return AccountReply::serverError();
    AccountReply created = reply("true", "Account created. A confirmation link is on its way to your e-mail.");
    created.userinfo = AccountReply::UserInfo{query.username, query.email};

    // The account and its link are made together or not at all: a name is never taken by an
    // account that cannot be confirmed.
    AccountStore& accounts = store();
    if (!accounts.begin())
        return AccountReply::serverError();
    qint64 id = 0;
    switch (accounts.insertUser(query.username, AccountQueries::usernameKey(query.username), query.email,
                                AccountQueries::emailKey(query.email), *hash, now(), &id)) {
    case AccountStore::InsertOutcome::Inserted:
        break;
    case AccountStore::InsertOutcome::UsernameTaken:
        accounts.rollback();
        return reply("username", "This user name is taken.");
    case AccountStore::InsertOutcome::EmailTaken:
        accounts.rollback();
        // Nobody learns here which addresses have accounts: the owner hears of it by mail.
        mailOwnerOfTakenAddress(AccountQueries::emailKey(query.email));
        return created;
    case AccountStore::InsertOutcome::Failed:
        accounts.rollback();
        return AccountReply::serverError();
    }
    const QString token = PasswordHasher::randomToken();
    if (!accounts.addConfirmToken(PasswordHasher::tokenDigest(token), id, now() + m_settings.linkTtlMs)) {
        accounts.rollback();
        return AccountReply::serverError();
    }
    TestHooks::crashPoint("register");
    if (!accounts.commit())
        return AccountReply::serverError();

    // Mailed only once the account is stored; without the mail it could never be confirmed,
    // so a failed send takes it back.
    if (!m_mailer.send(confirmationMail(query.email, token))) {
        accounts.deleteUser(id);
        return AccountReply::serverError();
    }
    XLogIn(lcAccountService(), "account created, confirmation mailed");
    return created;
}

MailMessage AccountService::confirmationMail(const QString& to, const QString& token) const
{
    // No greeting by user name: whoever signs up chooses it, and it would reach the mailbox
    // of whatever address they typed.
    const QString link = m_settings.publicUrl + confirmPath() + QStringLiteral("?token=") + token;
    return MailMessage{
        m_settings.mailFrom, to, QStringLiteral("Confirm your Tableclick account"),
        QStringLiteral("Hello,\n\n"
                       "please open this link to confirm your e-mail address and start using Tableclick:\n\n"
                       "%1\n\n"
                       "The link works once and for %2 hours. If you did not sign up, ignore this mail.\n")
            .arg(link)
            .arg(qMax<qint64>(1, m_settings.linkTtlMs / 3600000))};
}

void AccountService::mailOwnerOfTakenAddress(const QString& emailKey)
{
    const auto lookup = store().userByEmail(emailKey);
    if (!lookup.ok || !lookup.user)
        return;
    const AccountStore::User& user = *lookup.user;
    // Sharing the ration of codes, so that sign-ups cannot flood the owner either.
    bool allowed = false;
    if (!store().takeCodeRequest(user.id, now(), m_settings.codeRation, &allowed) || !allowed)
        return;
    if (!user.confirmed) {
        // Maybe the first link never came: a new one.
        const QString token = PasswordHasher::randomToken();
        if (store().addConfirmToken(PasswordHasher::tokenDigest(token), user.id, now() + m_settings.linkTtlMs) &&
            m_mailer.send(confirmationMail(user.email, token)))
            XLogIn(lcAccountService(), "sign-up for an unconfirmed address: a new link mailed");
        return;
    }
    const MailMessage mail{
        m_settings.mailFrom, user.email, QStringLiteral("Your Tableclick account"),
        QStringLiteral("Hello,\n\n"
                       "someone tried to sign up for Tableclick with this e-mail address, which already has "
                       "an account. If that was you, sign in, or set a new password with \"Forgot "
                       "password\". If not, ignore this mail: nothing has changed.\n")};
    if (m_mailer.send(mail))
        XLogIn(lcAccountService(), "sign-up for a taken address: its owner was told");
}

AccountReply AccountService::login(const LoginQuery& query, const QString& clientAddress)
{
    const QString emailKey = AccountQueries::emailKey(query.email);
    const QString bySubject = emailSubject(emailKey);
    const QString byAddress = QStringLiteral("address:") + clientAddress;
    const QString byPair = bySubject + QStringLiteral("\n") + byAddress;
    const qint64 window = m_settings.loginFailureWindowMs;
    const std::pair<QString, AccountStore::LoginLimit> limits[] = {
        {byPair, {m_settings.loginFailureLimit, window}},
        {byAddress, {m_settings.addressFailureLimit, window}},
        {bySubject,
         {m_settings.freeLoginFailures, m_settings.loginDelayMemoryMs, m_settings.firstLoginDelayMs,
          m_settings.maxLoginDelayMs}},
    };
    AccountStore& accounts = store();
    const qint64 at = now();
    if (!accounts.forgetLoginAttempts(at - qMax(window, m_settings.loginDelayMemoryMs)))
        return AccountReply::serverError();
    // The attempt is counted before the hash, so that parallel guesses cannot get past the count.
    if (!accounts.begin())
        return AccountReply::serverError();
    bool allowed = true;
    qint64 retryInMs = 0;
    for (const auto& [subject, limit] : limits) {
        if (!accounts.takeLoginAttempt(subject, limit, at, &allowed, &retryInMs)) {
            accounts.rollback();
            return AccountReply::serverError();
        }
        if (!allowed)
            break;
    }
    if (!allowed) {
        accounts.rollback();
        if (retryInMs > 0)
            return {QStringLiteral("false"),
                    QStringLiteral("Too many failed sign-ins for this account. Please try again in %1 s.")
                        .arg((retryInMs + 999) / 1000),
                    std::nullopt};
        return reply("false", "Too many failed sign-ins. Please try again later.");
    }
    if (!accounts.commit())
        return AccountReply::serverError();

    const auto lookup = accounts.userByEmail(emailKey);
    if (!lookup.ok)
        return AccountReply::serverError();
    // An unknown address costs as much as a known one, so timing does not tell them apart.
    const bool passwordRight =
        PasswordHasher::verify(lookup.user ? lookup.user->passwordHash : m_decoyHash, query.password) &&
        lookup.user.has_value();
    if (!passwordRight)
        return reply("false", "Incorrect e-mail or password.");
    accounts.clearLoginAttempts(bySubject);
    accounts.clearLoginAttempts(byPair);
    accounts.refundLoginAttempt(byAddress);

    const AccountStore::User& user = *lookup.user;
    if (!user.confirmed)
        return reply("false", "The account's e-mail address is not confirmed yet.");

    if (PasswordHasher::needsRehash(user.passwordHash)) {
        if (const auto fresh = PasswordHasher::hash(query.password))
            store().setPasswordHash(user.id, *fresh, false);
    }
    AccountReply signedIn = reply("true", "Signed in.");
    signedIn.userinfo = AccountReply::UserInfo{user.username, user.email};
    return signedIn;
}

AccountReply AccountService::emailConfirm(const EmailConfirmQuery& query)
{
    // The same answer whether or not an account uses the address: nobody learns from it
    // which addresses have accounts.
    const AccountReply sent =
        reply("true", "If an account uses this address, a verification code is on its way.");
    const auto lookup = store().userByEmail(AccountQueries::emailKey(query.email));
    if (!lookup.ok)
        return AccountReply::serverError();
    const QString code = PasswordHasher::randomCode();
    const auto hash = PasswordHasher::hash(code);
    if (!hash)
        return AccountReply::serverError();
    if (!lookup.user)
        return sent;

    // Past its ration the account gets no more mail, and the answer stays the same.
    bool allowed = false;
    if (!store().takeCodeRequest(lookup.user->id, now(), m_settings.codeRation, &allowed))
        return AccountReply::serverError();
    if (!allowed) {
        XLogIn(lcAccountService(), "verification code not sent: the account's ration is used up");
        return sent;
    }
    if (!store().putResetCode(lookup.user->id, *hash, now() + m_settings.codeTtlMs))
        return AccountReply::serverError();
    const qint64 minutes = qMax<qint64>(1, m_settings.codeTtlMs / 60000);
    const MailMessage mail{
        m_settings.mailFrom, lookup.user->email, QStringLiteral("Your Tableclick verification code"),
        QStringLiteral("Hello,\n\n"
                       "your verification code for a new password is\n\n"
                       "    %1\n\n"
                       "It works once and for %2 minutes. If you did not ask for it, ignore "
                       "this mail: your password stays as it is.\n")
            .arg(code)
            .arg(minutes)};
    if (!m_mailer.send(mail))
        return AccountReply::serverError();
    XLogIn(lcAccountService(), "verification code mailed");
    return sent;
}

AccountReply AccountService::resetPassword(const ResetPasswordQuery& query)
{
    // The rule first: a mistyped new password should not use up one of the code's tries.
    if (!AccountQueries::passwordMeetsRule(query.newPassword))
        return reply("password", kPasswordRule);
    const AccountReply refused = reply("false", "Incorrect verification code or e-mail.");

    const QString emailKey = AccountQueries::emailKey(query.email);
    const auto lookup = store().userByEmail(emailKey);
    if (!lookup.ok)
        return AccountReply::serverError();
    if (!lookup.user) {
        PasswordHasher::verify(m_decoyHash, query.code);
        return refused;
    }
    const qint64 userId = lookup.user->id;
    const auto attempt = store().takeResetTry(userId, now(), m_settings.maxCodeTries, m_settings.codeRation);
    if (!attempt.ok)
        return AccountReply::serverError();
    if (!attempt.codeHash) {
        PasswordHasher::verify(m_decoyHash, query.code);
        return refused;
    }
    if (!PasswordHasher::verify(*attempt.codeHash, query.code))
        return refused;

    const auto hash = PasswordHasher::hash(query.newPassword);
    if (!hash)
        return AccountReply::serverError();
    bool consumed = false;
    if (!store().consumeResetCode(userId, *attempt.codeHash, &consumed))
        return AccountReply::serverError();
    if (!consumed)
        return refused;
    // The code came by mail, so the address is proven as well.
    if (!store().setPasswordHash(userId, *hash, true))
        return AccountReply::serverError();
    store().clearLoginAttempts(emailSubject(emailKey));
    store().clearCodeBudget(userId);
    XLogIn(lcAccountService(), "password reset");
    return reply("true", "The new password is set.");
}

AccountService::LinkOutcome AccountService::confirmLink(const QString& token)
{
    switch (store().confirm(PasswordHasher::tokenDigest(token), now())) {
    case AccountStore::ConfirmOutcome::Confirmed:
        XLogIn(lcAccountService(), "account confirmed");
        return LinkOutcome::Confirmed;
    case AccountStore::ConfirmOutcome::Invalid:
        return LinkOutcome::Invalid;
    case AccountStore::ConfirmOutcome::Failed:
        break;
    }
    return LinkOutcome::Failed;
}
