#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>

#include <optional>

// The service's certificate and key: loaded from PEM files, or, for the local default,
// a self-signed certificate for localhost made once with OpenSSL (Qt cannot make one).
struct TlsIdentity
{
    QList<QSslCertificate> chain; // the service's own certificate first
    QSslKey key;

    // Reads a PEM certificate (with any intermediates after it) and its private key.
    static std::optional<TlsIdentity> load(const QString& certPath, const QString& keyPath, QString* error);
    // Loads the pair if both files exist; otherwise makes a P-256 key (mode 0600) and a
    // leaf certificate for localhost, 127.0.0.1 and ::1, valid ten years, and writes them.
    // A stored CA certificate (as earlier versions made) is replaced by a new pair.
    static std::optional<TlsIdentity> loadOrCreateSelfSigned(const QString& certPath, const QString& keyPath,
                                                             QString* error);
};
