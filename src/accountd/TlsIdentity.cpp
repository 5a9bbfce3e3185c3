#include "TlsIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSslCertificateExtension>

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace {

template <typename T, void (*Free)(T*)>
using OpenSslPtr = std::unique_ptr<T, decltype([](T* p) { Free(p); })>;

QByteArray memoryBioContents(BIO* bio)
{
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return QByteArray(data, static_cast<qsizetype>(size));
}

bool addExtension(X509* cert, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
    OpenSslPtr<X509_EXTENSION, X509_EXTENSION_free> extension(
        X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    return extension && X509_add_ext(cert, extension.get(), -1) == 1;
}

// PEM text of a fresh key and of a certificate that it signs for itself.
bool makeSelfSigned(QByteArray* certPem, QByteArray* keyPem)
{
    OpenSslPtr<EVP_PKEY, EVP_PKEY_free> key(EVP_EC_gen("P-256"));
    OpenSslPtr<X509, X509_free> cert(X509_new());
    if (!key || !cert)
        return false;

    OpenSslPtr<BIGNUM, BN_free> number(BN_new());
    if (!number || BN_rand(number.get(), 127, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) != 1)
        return false;
    constexpr long kTenYears = 10L * 365 * 24 * 3600;
    X509_NAME* name = X509_get_subject_name(cert.get());
    if (X509_set_version(cert.get(), X509_VERSION_3) != 1 ||
        !BN_to_ASN1_INTEGER(number.get(), X509_get_serialNumber(cert.get())) ||
        !X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600) ||
        !X509_gmtime_adj(X509_getm_notAfter(cert.get()), kTenYears) ||
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("localhost"), -1, -1, 0) != 1 ||
        X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("tableclick-accountd"), -1, -1,
                                   0) != 1 ||
        X509_set_issuer_name(cert.get(), name) != 1 || X509_set_pubkey(cert.get(), key.get()) != 1)
        return false;
    // A leaf, not a CA: its key signs handshakes only. Clients trust exactly this one.
    if (!addExtension(cert.get(), NID_basic_constraints, "critical,CA:FALSE") ||
        !addExtension(cert.get(), NID_key_usage, "critical,digitalSignature") ||
        !addExtension(cert.get(), NID_ext_key_usage, "serverAuth") ||
        !addExtension(cert.get(), NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1,IP:::1") ||
        !addExtension(cert.get(), NID_subject_key_identifier, "hash"))
        return false;
    if (X509_sign(cert.get(), key.get(), EVP_sha256()) <= 0)
        return false;

    OpenSslPtr<BIO, BIO_free_all> certBio(BIO_new(BIO_s_mem()));
    OpenSslPtr<BIO, BIO_free_all> keyBio(BIO_new(BIO_s_mem()));
    if (!certBio || !keyBio || PEM_write_bio_X509(certBio.get(), cert.get()) != 1 ||
        PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1)
        return false;
    *certPem = memoryBioContents(certBio.get());
    *keyPem = memoryBioContents(keyBio.get());
    return true;
}

bool writeNewFile(const QString& path, const QByteArray& data, QFileDevice::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions))
        return false;
    const bool ok = file.write(data) == data.size() && file.flush();
    file.close();
    if (!ok)
        QFile::remove(path);
    return ok;
}

// Replaces the file in one step, keeping its permissions.
bool replaceFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

bool isCertificateAuthority(const QSslCertificate& certificate)
{
    for (const QSslCertificateExtension& extension : certificate.extensions()) {
        if (extension.name() == QLatin1String("basicConstraints"))
            return extension.value().toMap().value(QStringLiteral("ca")).toBool();
    }
    return false;
}

std::optional<QSslKey> readKey(const QByteArray& pem)
{
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Ec, QSsl::Rsa, QSsl::Dsa}) {
        QSslKey key(pem, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!key.isNull())
            return key;
    }
    return std::nullopt;
}

// Whether the key file holds the private key of the certificate file's certificate.
bool keyMatchesCertificate(const QString& certPath, const QString& keyPath)
{
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return false;
    const QByteArray certPem = certFile.readAll();
    const QByteArray keyPem = keyFile.readAll();
    OpenSslPtr<BIO, BIO_free_all> certBio(
        BIO_new_mem_buf(certPem.constData(), static_cast<int>(certPem.size())));
    OpenSslPtr<BIO, BIO_free_all> keyBio(
        BIO_new_mem_buf(keyPem.constData(), static_cast<int>(keyPem.size())));
    if (!certBio || !keyBio)
        return false;
    OpenSslPtr<X509, X509_free> cert(PEM_read_bio_X509(certBio.get(), nullptr, nullptr, nullptr));
    OpenSslPtr<EVP_PKEY, EVP_PKEY_free> key(PEM_read_bio_PrivateKey(keyBio.get(), nullptr, nullptr, nullptr));
    return cert && key && X509_check_private_key(cert.get(), key.get()) == 1;
}

} // namespace

std::optional<TlsIdentity> TlsIdentity::load(const QString& certPath, const QString& keyPath, QString* error)
{
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the certificate %1: %2").arg(certPath, certFile.errorString());
        return std::nullopt;
    }
    if (!keyFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the key %1: %2").arg(keyPath, keyFile.errorString());
        return std::nullopt;
    }
    TlsIdentity identity;
    identity.chain = QSslCertificate::fromData(certFile.readAll(), QSsl::Pem);
    if (identity.chain.isEmpty() || identity.chain.front().isNull()) {
        *error = QStringLiteral("%1 holds no PEM certificate").arg(certPath);
        return std::nullopt;
    }
    const auto key = readKey(keyFile.readAll());
    if (!key) {
        *error = QStringLiteral("%1 holds no PEM private key that Qt can read").arg(keyPath);
        return std::nullopt;
    }
    identity.key = *key;
    return identity;
}

std::optional<TlsIdentity> TlsIdentity::loadOrCreateSelfSigned(const QString& certPath,
                                                               const QString& keyPath, QString* error)
{
    // The key is written first: a key without its certificate is what a first start that
    // ended half way left behind, and no one else's.
    if (QFileInfo::exists(keyPath) && !QFileInfo::exists(certPath) && !QFile::remove(keyPath)) {
        *error = QStringLiteral("cannot remove %1, left without its certificate").arg(keyPath);
        return std::nullopt;
    }
    const bool replacing = QFileInfo::exists(certPath) && QFileInfo::exists(keyPath);
    if (replacing) {
        auto stored = load(certPath, keyPath, error);
        // Earlier versions made a CA certificate, which could vouch for any other one; a
        // replacement that ended half way left a new key beside the old certificate.
        if (!stored ||
            (!isCertificateAuthority(stored->chain.front()) && keyMatchesCertificate(certPath, keyPath)))
            return stored;
    } else if (QFileInfo::exists(certPath)) {
        *error = QStringLiteral("%1 exists without its key %2; remove it to make a new pair")
                     .arg(certPath, keyPath);
        return std::nullopt;
    }

    QByteArray certPem;
    QByteArray keyPem;
    if (!makeSelfSigned(&certPem, &keyPem)) {
        *error = QStringLiteral("OpenSSL could not make a certificate");
        return std::nullopt;
    }
    if (replacing) {
        // The key first: clients read the certificate again when the handshake fails.
        if (!replaceFile(keyPath, keyPem) || !replaceFile(certPath, certPem)) {
            *error = QStringLiteral("cannot replace %1 and %2").arg(certPath, keyPath);
            return std::nullopt;
        }
        return load(certPath, keyPath, error);
    }
    for (const QString& path : {certPath, keyPath}) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot create %1").arg(folder);
            return std::nullopt;
        }
    }
    // The key first, so that a certificate on disk always has its key beside it.
    if (!writeNewFile(keyPath, keyPem, QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !writeNewFile(certPath, certPem,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                          QFileDevice::ReadOther)) {
        QFile::remove(keyPath);
        *error = QStringLiteral("cannot write %1 and %2").arg(certPath, keyPath);
        return std::nullopt;
    }
    return load(certPath, keyPath, error);
}
