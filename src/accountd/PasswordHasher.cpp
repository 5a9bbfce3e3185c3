#include "PasswordHasher.h"

#include <sodium.h>

bool PasswordHasher::initialize()
{
    return sodium_init() >= 0;
}

std::optional<QByteArray> PasswordHasher::hash(const QString& secret)
{
    const QByteArray utf8 = secret.toUtf8();
    char encoded[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(encoded, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                              kOpsLimit, kMemLimit, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    return QByteArray(encoded);
}

bool PasswordHasher::verify(const QByteArray& encodedHash, const QString& secret)
{
    if (encodedHash.isEmpty() || encodedHash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray utf8 = secret.toUtf8();
    // The stored string is copied so that it is surely terminated.
    const QByteArray terminated(encodedHash.constData(), encodedHash.size());
    return crypto_pwhash_str_verify(terminated.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

bool PasswordHasher::needsRehash(const QByteArray& encodedHash)
{
    const QByteArray terminated(encodedHash.constData(), encodedHash.size());
    return crypto_pwhash_str_needs_rehash(terminated.constData(), kOpsLimit, kMemLimit) != 0;
}

QString PasswordHasher::randomCode()
{
    return QStringLiteral("%1").arg(randombytes_uniform(1000000), 6, 10, QLatin1Char('0'));
}

QString PasswordHasher::randomToken()
{
    unsigned char bytes[32];
    randombytes_buf(bytes, sizeof bytes);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes)
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray PasswordHasher::tokenDigest(const QString& token)
{
    const QByteArray utf8 = token.toUtf8();
    unsigned char digest[32];
    crypto_generichash(digest, sizeof digest, reinterpret_cast<const unsigned char*>(utf8.constData()),
                       static_cast<unsigned long long>(utf8.size()), nullptr, 0);
    return QByteArray(reinterpret_cast<const char*>(digest), sizeof digest).toHex();
}
