#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Argon2id through libsodium, and the service's other secrets (codes, link tokens).
// Everything here is slow on purpose or random: call it from the worker pool, never from
// the event loop. initialize() must have succeeded first.
namespace PasswordHasher {
// libsodium's "interactive" limits: about 160 ms of one core on the machine we measured,
// inside the 50–250 ms we allow one sign-in. Stored hashes carry their own parameters, so
// raising these later rehashes accounts at their next sign-in.
constexpr unsigned long long kOpsLimit = 2;
constexpr size_t kMemLimit = 64u * 1024u * 1024u;

bool initialize();

// An encoded "$argon2id$…" string, or nothing when memory ran out.
std::optional<QByteArray> hash(const QString& secret);
bool verify(const QByteArray& encodedHash, const QString& secret);
bool needsRehash(const QByteArray& encodedHash);

// Six decimal digits, uniformly drawn.
QString randomCode();
// 32 random bytes as URL-safe base64 without padding (43 characters).
QString randomToken();
// Tokens are long and random, so a fast digest is enough to keep them off the disk.
QByteArray tokenDigest(const QString& token);
} // namespace PasswordHasher
