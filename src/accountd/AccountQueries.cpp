#include "AccountQueries.h"

#include <QStringDecoder>
#include <QStringList>
#include <QUrlQuery>

#include <algorithm>

namespace {

int characterCount(const QString& text)
{
    int count = 0;
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        if (it->isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate())
            ++it;
        ++count;
    }
    return count;
}

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            return true;
    }
    return false;
}

// Reads the named fields; each must be there exactly once.
std::optional<QStringList> fields(QByteArrayView query, std::initializer_list<const char*> names)
{
    const QUrlQuery decoded(QString::fromUtf8(query));
    QStringList values;
    for (const char* name : names) {
        const QStringList all = decoded.allQueryItemValues(QString::fromLatin1(name), QUrl::FullyDecoded);
        if (all.size() != 1)
            return std::nullopt;
        values << all.front();
    }
    return values;
}

} // namespace

std::optional<RegisterQuery> AccountQueries::parseRegister(QByteArrayView query)
{
    const auto values = fields(query, {"username", "email", "password"});
    if (!values || !isAcceptableUsername(values->at(0)) || !isPlausibleEmail(values->at(1)))
        return std::nullopt;
    return RegisterQuery{values->at(0), values->at(1), values->at(2)};
}

std::optional<LoginQuery> AccountQueries::parseLogin(QByteArrayView query)
{
    const auto values = fields(query, {"email", "password"});
    if (!values || !isPlausibleEmail(values->at(0)) || values->at(1).isEmpty() ||
        values->at(1).size() > 2 * kMaxPasswordLength)
        return std::nullopt;
    return LoginQuery{values->at(0), values->at(1)};
}

std::optional<EmailConfirmQuery> AccountQueries::parseEmailConfirm(QByteArrayView query)
{
    const auto values = fields(query, {"email"});
    if (!values || !isPlausibleEmail(values->at(0)))
        return std::nullopt;
    return EmailConfirmQuery{values->at(0)};
}

std::optional<ResetPasswordQuery> AccountQueries::parseResetPassword(QByteArrayView query)
{
    const auto values = fields(query, {"confirm_code", "email", "new_password"});
    if (!values || !isVerificationCode(values->at(0)) || !isPlausibleEmail(values->at(1)))
        return std::nullopt;
    return ResetPasswordQuery{values->at(0), values->at(1), values->at(2)};
}

std::optional<QString> AccountQueries::parseConfirmToken(QByteArrayView query)
{
    const auto values = fields(query, {"token"});
    if (!values || values->at(0).size() != 43)
        return std::nullopt;
    for (const QChar c : values->at(0)) {
        const char16_t u = c.unicode();
        const bool urlSafe = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                             u == '-' || u == '_';
        if (!urlSafe)
            return std::nullopt;
    }
    return values->at(0);
}

bool AccountQueries::hasInvalidUtf8(QByteArrayView query)
{
    for (const QByteArray& field : query.toByteArray().split('&')) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(QByteArray::fromPercentEncoding(field));
        if (utf8.hasError())
            return true;
    }
    return false;
}

bool AccountQueries::passwordMeetsRule(const QString& password)
{
    const int length = characterCount(password);
    if (length < kMinPasswordLength || length > kMaxPasswordLength)
        return false;
    return std::any_of(password.cbegin(), password.cend(), [](QChar c) { return c.isDigit(); });
}

bool AccountQueries::isPlausibleEmail(const QString& email)
{
    if (email.size() < 3 || email.size() > kMaxEmailLength)
        return false;
    for (const QChar c : email) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || c.isSpace() || hasControlCharacter(QString(c)))
            return false;
    }
    const qsizetype at = email.lastIndexOf(u'@');
    if (at <= 0 || at == email.size() - 1 || email.indexOf(u'@') != at)
        return false;
    const QString domain = email.mid(at + 1);
    return !domain.startsWith(u'.') && !domain.endsWith(u'.') && !domain.contains(QStringLiteral(".."));
}

bool AccountQueries::isAcceptableUsername(const QString& username)
{
    const int length = characterCount(username);
    return length >= 1 && length <= kMaxUsernameLength && !username.trimmed().isEmpty() &&
           !hasControlCharacter(username);
}

bool AccountQueries::isVerificationCode(const QString& code)
{
    if (code.size() != kCodeDigits)
        return false;
    return std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString AccountQueries::emailKey(const QString& email)
{
    return email.normalized(QString::NormalizationForm_C).toLower();
}

QString AccountQueries::usernameKey(const QString& username)
{
    // Compatibility forms and full case mapping ("ß" is "SS"), so that look-alike names
    // count as taken.
    return username.trimmed().normalized(QString::NormalizationForm_KC).toUpper().toLower();
}
