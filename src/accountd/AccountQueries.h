#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The query strings of the service's requests, decoded and checked. Pure functions: the
// fuzz test feeds them arbitrary bytes. A missing, repeated or unreadable field makes the
// whole query malformed (std::nullopt); the password rule is checked later, because it has
// a reply of its own.

struct RegisterQuery
{
    QString username;
    QString email;
    QString password;
};

struct LoginQuery
{
    QString email;
    QString password;
};

struct EmailConfirmQuery
{
    QString email;
};

struct ResetPasswordQuery
{
    QString code;
    QString email;
    QString newPassword;
};

namespace AccountQueries {
constexpr int kMaxUsernameLength = 64;
constexpr int kMaxEmailLength = 254;
constexpr int kMinPasswordLength = 8;
// Hashing cost does not grow with the length, but nobody types more than this.
constexpr int kMaxPasswordLength = 1024;
constexpr int kCodeDigits = 6;

std::optional<RegisterQuery> parseRegister(QByteArrayView query);
std::optional<LoginQuery> parseLogin(QByteArrayView query);
std::optional<EmailConfirmQuery> parseEmailConfirm(QByteArrayView query);
std::optional<ResetPasswordQuery> parseResetPassword(QByteArrayView query);
// The token of a confirmation link: URL-safe base64 of 32 random bytes.
std::optional<QString> parseConfirmToken(QByteArrayView query);

// True when a field of the query, percent-decoded, is not valid UTF-8: such bytes would
// all read as U+FFFD, and different passwords would match.
bool hasInvalidUtf8(QByteArrayView query);
// At least 8 characters and at least one digit, at most kMaxPasswordLength characters.
bool passwordMeetsRule(const QString& password);
bool isPlausibleEmail(const QString& email);
bool isAcceptableUsername(const QString& username);
bool isVerificationCode(const QString& code);
// The forms under which two accounts count as the same.
QString emailKey(const QString& email);
QString usernameKey(const QString& username);
} // namespace AccountQueries
